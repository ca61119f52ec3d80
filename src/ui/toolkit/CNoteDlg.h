// The program's own message box: a title, one message, OK and, when asked for, Cancel.
// DoModal returns 1 for OK, 2 for Cancel or the close button.
#pragma once

#include <deque>

#include "ui/toolkit/CTDialog.h"

namespace lumicord {

class CTButtonPicture;

inline constexpr int kNoteOk = 1;
inline constexpr int kNoteCancel = 2;

struct NoteShown {
    QString title;
    QString message;
    bool showCancel = false;
};

class CNoteDlg : public CTDialog {
    Q_OBJECT
public:
    // Title and message are shown as given (callers translate them). No owner means the
    // application's main window.
    CNoteDlg(const QString& title, const QString& message, bool showCancel,
             QWidget* owner = nullptr);

    int DoModal();

    // Test seam: the next DoModal returns `answer` at once instead of waiting for the user.
    static void setNextAnswer(int answer);
    // What the last DoModal showed.
    static const NoteShown& LastShown();

    CTButtonPicture* OkButton() const;
    CTButtonPicture* CancelButton() const;
    CTButtonPicture* CloseButton() const;

public slots:
    void reject() override;

private:
    void StyleControls();

    NoteShown m_note;
    static std::deque<int> s_nextAnswers;
    static NoteShown s_lastShown;
};

} // namespace lumicord
