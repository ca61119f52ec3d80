// The anti-theft page and its template dialogs on the offscreen platform: the layout for each
// switch state, the checks as the user meets them, Apply's hand-over and jobs, Cancel, and
// saving, loading and deleting templates.
#include <QtTest>

#include <memory>

#include "TempFolder.h"
#include "TestSkin.h"
#include "content/AntiTheftApply.h"
#include "ui/pages/CAntiTheftProtectionDlg.h"
#include "ui/pages/CApplicationDlg.h"
#include "ui/pages/CLoadTemplateDlg.h"
#include "ui/pages/CSaveTemplateDlg.h"
#include "ui/toolkit/ApplicationContext.h"
#include "ui/toolkit/CCustomComboBox.h"
#include "ui/toolkit/CNoteDlg.h"
#include "ui/toolkit/CTButtonPicture.h"
#include "ui/toolkit/CTEditGdiplus.h"
#include "ui/toolkit/WindowMessageEvent.h"

using namespace lumicord;
using F = AntiTheftField;

namespace {

class RecordingTarget : public CAntiTheftTarget {
public:
    explicit RecordingTarget(QStringList& calls) : m_calls(calls) {}
    bool ResetStatuses() override {
        m_calls << QStringLiteral("reset");
        return true;
    }
    bool SetAntiTheftStatus(const std::string& mac, int code) override {
        m_calls << QStringLiteral("status %1 %2").arg(QString::fromStdString(mac)).arg(code);
        return true;
    }
    bool StartJob(const TransmitJob& job) override {
        m_calls << QStringLiteral("job %1 %2 %3")
                       .arg(QString::fromStdString(MacText(job.dst_mac)))
                       .arg(job.kind)
                       .arg(QString::fromUtf8(job.command_text));
        return true;
    }
    MacAddress AdapterMac() const override { return {2, 0, 0, 0, 0, 0x10}; }

private:
    QStringList& m_calls;
};

// Keeps the window messages that reach a widget.
class MessageCatcher : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == WindowMessageEvent::EventType()) {
            const auto* message = static_cast<WindowMessageEvent*>(event);
            messages.push_back({message->Message(), message->WParam(), message->LParam()});
        }
        return false;
    }
    struct Seen {
        int message;
        std::uintptr_t wParam;
        std::intptr_t lParam;
    };
    std::vector<Seen> messages;
};

} // namespace

class AntiTheftPageTest : public QObject {
    Q_OBJECT
    CSkinPaths m_skin = test::CommittedSkinPaths();
    std::unique_ptr<TempFolder> m_folder;
    std::unique_ptr<CApplicationDlg> m_window;
    CAntiTheftProtectionDlg* m_page = nullptr;
    QStringList m_calls;

    CTEditGdiplus* Edit(F field) const { return m_page->Field(field); }
    void Type(F field, const QString& text) {
        Edit(field)->setFocus();
        Edit(field)->selectAll();
        QTest::keyClicks(Edit(field), text);
    }
    QRect Rect(int id) const { return m_page->Control(id)->geometry(); }
    // Runs `act` on the modal dialog the page opens from `button`.
    template <class Dialog, class Act> void WithDialog(int button, Act act) {
        bool seen = false;
        QTimer::singleShot(0, m_page, [&] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            QVERIFY(!m_page->isVisible());
            seen = true;
            act(*dialog);
        });
        QTest::mouseClick(m_page->Button(button), Qt::LeftButton);
        QVERIFY(seen);
        QVERIFY(m_page->isVisible());
    }

private slots:
    void initTestCase() { SetApplicationLook(nullptr, &m_skin); }

    void init() {
        m_folder = std::make_unique<TempFolder>();
        m_calls.clear();
        m_window = std::make_unique<CApplicationDlg>();
        m_page =
            new CAntiTheftProtectionDlg(std::make_unique<RecordingTarget>(m_calls), m_window.get());
        m_page->m_templatePath = m_folder->Write("IniTemplate/Config.ini", "");
        m_window->show();
        m_page->show();
        m_page->raise();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_page->RelayoutForSwitch();
    }
    void cleanup() {
        m_window.reset();
        m_folder.reset();
    }

    void layoutFollowsTheSwitch() {
        QCOMPARE(m_page->geometry(), QRect(198, 57, 420, 426));
        QCOMPARE(Edit(F::ConfirmLockCode)->geometry(), QRect(163, 124, 180, 24));
        QCOMPARE(Edit(F::ConfirmLockCode)->objectName(), QStringLiteral("1010"));
        QVERIFY(m_page->SwitchOn());
        QCOMPARE(QApplication::focusWidget(), Edit(F::LockCode));
        const int rows[] = {1217, 1218, 1010, 1222, 1223, 1228, 1224, 1229, 1225, 1230};
        const std::pair<int, QRect> on[] = {
            {1220, {27, 224, 124, 18}}, {1213, {163, 226, 28, 16}}, {1013, {0, 370, 420, 1}},
            {1211, {252, 386, 71, 27}}, {1212, {332, 386, 67, 27}},
        };
        const std::pair<int, QRect> off[] = {
            {1220, {27, 199, 124, 18}}, {1213, {163, 201, 28, 16}}, {1013, {0, 231, 420, 1}},
            {1211, {252, 217, 71, 27}}, {1212, {332, 217, 67, 27}},
        };
        Type(F::AcName, QStringLiteral("kept"));
        QTest::mouseClick(m_page->Button(1213), Qt::LeftButton);
        QVERIFY(!m_page->SwitchOn());
        QCOMPARE(m_page->geometry(), QRect(198, 131, 420, 278));
        for (int id : rows)
            QVERIFY2(m_page->Control(id)->isHidden(), qPrintable(QString::number(id)));
        // Labels may have grown to the left for the stand-in font; their right ends stay.
        for (const auto& [id, rect] : off)
            QCOMPARE(Rect(id).bottomRight(), rect.bottomRight());
        QCOMPARE(Rect(1219).topLeft(), QPoint(163, 124)); // where the confirm field was
        QCOMPARE(QApplication::focusWidget(), Edit(F::LockCode));
        QCOMPARE(m_page->Button(1213)->Image(kStateNormal),
                 QImage(QString::fromStdString(m_skin.btnSwitchOff)));

        QTest::mouseClick(m_page->Button(1213), Qt::LeftButton);
        QCOMPARE(m_page->geometry(), QRect(198, 57, 420, 426));
        for (int id : rows)
            QVERIFY(!m_page->Control(id)->isHidden());
        for (const auto& [id, rect] : on)
            QCOMPARE(Rect(id).bottomRight(), rect.bottomRight());
        QCOMPARE(Rect(1219).topLeft(), QPoint(163, 154));
        QCOMPARE(m_page->Button(1213)->Image(kStateNormal),
                 QImage(QString::fromStdString(m_skin.btnSwitchOn)));
        QCOMPARE(Edit(F::AcName)->text(), QStringLiteral("kept"));
        QCOMPARE(Edit(F::LockCode)->maxLength(), 32);
        QCOMPARE(Edit(F::PrimaryDns)->maxLength(), 15);
    }

    void refusedFieldsShowTheirNoteAndTakeTheFocus_data() {
        QTest::addColumn<QString>("lockCode");
        QTest::addColumn<QString>("confirm");
        QTest::addColumn<QString>("primaryDns");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("focus");
        QTest::newRow("backslash")
            << "a\\b"
            << ""
            << ""
            << "The input Lock Code cannot contain the characters \" or \\ " << 1226;
        QTest::newRow("letter case") << "Code"
                                     << "code"
                                     << ""
                                     << "The input information of the two is inconsistent!" << 1010;
        QTest::newRow("AC name") << "Code"
                                 << "Code"
                                 << ""
                                 << "Please input the AC Name information!" << 1228;
    }
    void refusedFieldsShowTheirNoteAndTakeTheFocus() {
        QFETCH(QString, lockCode);
        QFETCH(QString, confirm);
        QFETCH(QString, message);
        QFETCH(int, focus);
        m_page->SetSelectedDevices({"02:00:00:00:00:01"});
        Type(F::LockCode, lockCode);
        Type(F::ConfirmLockCode, confirm);
        CNoteDlg::setNextAnswer(kNoteOk);
        QTest::mouseClick(m_page->Button(1212), Qt::LeftButton);
        QCOMPARE(CNoteDlg::LastShown().title, QStringLiteral("Note"));
        QCOMPARE(CNoteDlg::LastShown().message, message);
        QVERIFY(!CNoteDlg::LastShown().showCancel);
        QCOMPARE(QApplication::focusWidget(), m_page->Control(focus));
        QVERIFY(m_calls.isEmpty());
    }

    void dnsFieldsLeftAloneShowTheirHintAndPass() {
        QCOMPARE(Edit(F::PrimaryDns)->text(), QStringLiteral("e.g. 8.8.8.8"));
        QVERIFY(Edit(F::SecondaryDns)->HintShowing());
        Type(F::LockCode, QStringLiteral("Code"));
        Type(F::ConfirmLockCode, QStringLiteral("Code"));
        Type(F::AcName, QStringLiteral("AC"));
        Type(F::PrimaryDns, QStringLiteral("8.8.8"));
        CNoteDlg::setNextAnswer(kNoteOk);
        QTest::mouseClick(m_page->Button(1212), Qt::LeftButton);
        QCOMPARE(CNoteDlg::LastShown().message, QStringLiteral("The Primary DNS is invalid!"));
        QCOMPARE(QApplication::focusWidget(), Edit(F::PrimaryDns));

        Edit(F::PrimaryDns)->clear();
        Edit(F::LockCode)->setFocus(); // leaving the empty field shows its hint again
        QCOMPARE(Edit(F::PrimaryDns)->text(), QStringLiteral("e.g. 8.8.8.8"));
        CNoteDlg::setNextAnswer(kNoteCancel); // the confirmation: nothing is sent
        QTest::mouseClick(m_page->Button(1212), Qt::LeftButton);
        QCOMPARE(CNoteDlg::LastShown().message,
                 QStringLiteral("Are you sure you want to apply configuration?"));
        QVERIFY(CNoteDlg::LastShown().showCancel);
        QVERIFY(m_calls.isEmpty());
        QCOMPARE(Edit(F::AcName)->text(), QStringLiteral("AC"));
    }

    void applyHandsTheBatchToTheDevicesPage() {
        MessageCatcher catcher;
        m_window->Page(kPageDevices)->installEventFilter(&catcher);
        m_page->SetSelectedDevices({"02:00:00:00:00:03", "02:00:00:00:00:01", "02:00:00:00:00:02"});
        Edit(F::LockCode)->SetRealText(QStringLiteral("K\u00e9y"));
        QTest::mouseClick(m_page->Button(1213), Qt::LeftButton); // protection off
        CNoteDlg::setNextAnswer(kNoteOk);
        QTest::mouseClick(m_page->Button(1212), Qt::LeftButton);
        const QString command =
            QStringLiteral(R"({"Lockcode":"K)"
                           "\u00e9"
                           R"(y","Enable":"0","ACName":"","DNS1":"0.0.0.0","DNS2":"0.0.0.0"})");
        QCOMPARE(m_calls,
                 QStringList({"reset", "status 02:00:00:00:00:03 1",
                              "job 02:00:00:00:00:03 4 " + command, "status 02:00:00:00:00:01 1",
                              "job 02:00:00:00:00:01 4 " + command, "status 02:00:00:00:00:02 1",
                              "job 02:00:00:00:00:02 4 " + command}));
        QVERIFY(m_window->Page(kPageDevices)->isVisible());
        QTRY_COMPARE(catcher.messages.size(), std::size_t(1));
        QCOMPARE(catcher.messages[0].message, kAntiTheftBatchMessage);
        QCOMPARE(catcher.messages[0].wParam, std::uintptr_t(0));
        QCOMPARE(catcher.messages[0].lParam, reinterpret_cast<std::intptr_t>(m_page));
    }

    void cancelKeepsTheFields() {
        Type(F::LockCode, QStringLiteral("typed"));
        Type(F::AcName, QStringLiteral("ac"));
        QTest::mouseClick(m_page->Button(1211), Qt::LeftButton);
        QVERIFY(m_window->Page(kPageDevices)->isVisible());
        QTest::mouseClick(m_page->Button(1210), Qt::LeftButton);
        QCOMPARE(Edit(F::LockCode)->text(), QStringLiteral("typed"));
        QCOMPARE(Edit(F::AcName)->text(), QStringLiteral("ac"));
        QVERIFY(m_calls.isEmpty());
    }

    void savingTwiceUnderOneNameIsRefused() {
        Type(F::LockCode, QStringLiteral("secret"));
        Type(F::AcName, QStringLiteral("AC 1"));
        for (int attempt = 0; attempt < 2; ++attempt) {
            CSaveTemplateDlg dialog(*m_page);
            dialog.NameEdit()->SetRealText(QStringLiteral("Office"));
            if (attempt == 1)
                CNoteDlg::setNextAnswer(kNoteOk);
            dialog.OnSave();
            QCOMPARE(dialog.result(), attempt == 0 ? kTemplateOk : 0);
            if (attempt == 1) {
                QCOMPARE(CNoteDlg::LastShown().message,
                         QStringLiteral("The name Office has already exists.Please re-enter!"));
                QCOMPARE(dialog.NameEdit()->text(), QString());
            }
        }
        QFile file(QString::fromStdString(m_page->m_templatePath));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("[Office]\r\nACName=AC 1\r\nPrimaryDns=e.g. 8.8.8.8\r\n"
                                            "SecondaryDns=e.g. 8.8.8.8\r\nSwitchOn=1\r\n\r\n"));

        CSaveTemplateDlg unnamed(*m_page);
        CNoteDlg::setNextAnswer(kNoteOk);
        unnamed.OnSave();
        QCOMPARE(CNoteDlg::LastShown().message, QStringLiteral("Please enter the Template Name!"));

        m_page->m_templatePath = m_folder->Path() + "missing/Config.ini";
        CSaveTemplateDlg noFile(*m_page);
        noFile.NameEdit()->SetRealText(QStringLiteral("New"));
        CNoteDlg::setNextAnswer(kNoteOk);
        noFile.OnSave();
        QCOMPARE(CNoteDlg::LastShown().message,
                 QString::fromStdString("Cannot open file: " + m_page->m_templatePath));
        QCOMPARE(noFile.result(), 0);
    }

    void aSwitchOffTemplateLoadsBackOffThroughThePage() {
        QTest::mouseClick(m_page->Button(1213), Qt::LeftButton);
        WithDialog<CSaveTemplateDlg>(1231, [](CSaveTemplateDlg& dialog) {
            dialog.NameEdit()->SetRealText(QStringLiteral("Lab"));
            QTest::mouseClick(dialog.Button(1231), Qt::LeftButton);
        });
        QTest::mouseClick(m_page->Button(1213), Qt::LeftButton); // on again
        Type(F::LockCode, QStringLiteral("code"));
        Type(F::ConfirmLockCode, QStringLiteral("code"));
        Type(F::AcName, QStringLiteral("AC"));
        WithDialog<CLoadTemplateDlg>(1188, [](CLoadTemplateDlg& dialog) {
            QCOMPARE(dialog.List()->count(), 1);
            dialog.List()->SetCurSel(0);
            QTest::mouseClick(dialog.Button(1188), Qt::LeftButton);
        });
        QVERIFY(!m_page->SwitchOn());
        QCOMPARE(m_page->height(), 278); // laid out again for the switch
        QCOMPARE(Edit(F::LockCode)->text(), QString());
        QCOMPARE(Edit(F::ConfirmLockCode)->text(), QString());
        QCOMPARE(Edit(F::AcName)->text(), QString());
        QCOMPARE(m_page->m_templateName, QStringLiteral("Lab"));

        // The next load selects the template loaded last.
        CLoadTemplateDlg again(*m_page);
        QCOMPARE(again.List()->GetCurSel(), 0);
    }

    void deletingTheLastTemplateHidesTheDeleteButton() {
        m_folder->Write("IniTemplate/Config.ini",
                        "; mine\r\n\r\n; about A\r\n[A]\r\nSwitchOn=1\r\n\r\n[B]\r\n");
        CLoadTemplateDlg dialog(*m_page);
        dialog.show();
        QVERIFY(dialog.Button(1212)->isHidden());
        dialog.List()->SetCurSel(1);
        QTRY_VERIFY(!dialog.Button(1212)->isHidden());
        dialog.OnDelete();
        QCOMPARE(dialog.List()->count(), 1);
        QCOMPARE(dialog.List()->GetCurSel(), 0);
        dialog.OnDelete();
        QCOMPARE(dialog.List()->count(), 0);
        QTRY_VERIFY(dialog.Button(1212)->isHidden());
        QFile file(QString::fromStdString(m_page->m_templatePath));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("; mine\r\n\r\n")); // A's own comment went with it
    }

    void loadingWithNothingChosenTurnsProtectionOff() {
        m_folder->Write("IniTemplate/Config.ini", "[A]\r\nSwitchOn=1\r\nACName=x\r\n");
        m_page->m_templateName = QStringLiteral("kept");
        Type(F::AcName, QStringLiteral("typed"));
        CLoadTemplateDlg dialog(*m_page);
        dialog.OnLoad();
        QCOMPARE(dialog.result(), kTemplateOk);
        QVERIFY(!m_page->SwitchOn());
        QCOMPARE(Edit(F::AcName)->text(), QString());
        QCOMPARE(m_page->m_templateName, QStringLiteral("kept"));
    }
};

QTEST_MAIN(AntiTheftPageTest)
#include "AntiTheftPageTest.moc"
