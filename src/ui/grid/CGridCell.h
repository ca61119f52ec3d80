// One cell of the grid: its text, image index, text format, colours, font and margin. Cells
// hold data only; the grid draws them.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <cstdint>
#include <optional>

namespace lumicord {

// Text-drawing flags of a cell (the values of the Windows DrawText flags the grid honours).
namespace GridFormat {
constexpr std::uint32_t kLeft = 0x0000;
constexpr std::uint32_t kTop = 0x0000;
constexpr std::uint32_t kCenter = 0x0001;
constexpr std::uint32_t kRight = 0x0002;
constexpr std::uint32_t kVCenter = 0x0004; // only with kSingleLine
constexpr std::uint32_t kBottom = 0x0008;  // only with kSingleLine
constexpr std::uint32_t kWordBreak = 0x0010;
constexpr std::uint32_t kSingleLine = 0x0020;
constexpr std::uint32_t kNoPrefix = 0x0800;
constexpr std::uint32_t kEndEllipsis = 0x8000;
} // namespace GridFormat

// State flags of a cell.
namespace GridCellState {
constexpr std::uint32_t kFocused = 0x0001;
constexpr std::uint32_t kSelected = 0x0002;
constexpr std::uint32_t kDropHighlighted = 0x0004;
constexpr std::uint32_t kReadOnly = 0x0008;
constexpr std::uint32_t kFixed = 0x0010;
constexpr std::uint32_t kModified = 0x0080;
} // namespace GridCellState

class CGridCellBase {
public:
    virtual ~CGridCellBase() = default;

    virtual void SetText(const QString& text) = 0;
    virtual void SetImage(int image) = 0;
    virtual void SetData(std::uintptr_t data) = 0;
    virtual void SetState(std::uint32_t state) = 0;
    virtual void SetFormat(std::uint32_t format) = 0;
    virtual void SetTextClr(const QColor& color) = 0; // an invalid colour: the grid default
    virtual void SetBackClr(const QColor& color) = 0; // an invalid colour: the grid default
    virtual void SetFont(const std::optional<QFont>& font) = 0; // none: the grid's font
    virtual void SetMargin(int margin) = 0;

    virtual const QString& GetText() const = 0;
    virtual int GetImage() const = 0;
    virtual std::uintptr_t GetData() const = 0;
    virtual std::uint32_t GetState() const = 0;
    virtual std::uint32_t GetFormat() const = 0;
    virtual QColor GetTextClr() const = 0;
    virtual QColor GetBackClr() const = 0;
    virtual const std::optional<QFont>& GetFont() const = 0;
    virtual int GetMargin() const = 0;
};

class CGridCell final : public CGridCellBase {
public:
    static constexpr int kDefaultMargin = 3;

    void SetText(const QString& text) override { m_text = text; }
    void SetImage(int image) override { m_image = image; }
    void SetData(std::uintptr_t data) override { m_data = data; }
    void SetState(std::uint32_t state) override { m_state = state; }
    void SetFormat(std::uint32_t format) override { m_format = format; }
    void SetTextClr(const QColor& color) override { m_textColor = color; }
    void SetBackClr(const QColor& color) override { m_backColor = color; }
    void SetFont(const std::optional<QFont>& font) override { m_font = font; }
    void SetMargin(int margin) override { m_margin = margin < 0 ? 0 : margin; }

    const QString& GetText() const override { return m_text; }
    int GetImage() const override { return m_image; }
    std::uintptr_t GetData() const override { return m_data; }
    std::uint32_t GetState() const override { return m_state; }
    std::uint32_t GetFormat() const override { return m_format; }
    QColor GetTextClr() const override { return m_textColor; }
    QColor GetBackClr() const override { return m_backColor; }
    const std::optional<QFont>& GetFont() const override { return m_font; }
    int GetMargin() const override { return m_margin; }

private:
    std::uint32_t m_state = 0;
    QString m_text;
    std::uintptr_t m_data = 0;
    int m_image = -1;
    std::uint32_t m_format = GridFormat::kLeft | GridFormat::kTop;
    QColor m_textColor; // invalid: default
    QColor m_backColor; // invalid: default
    std::optional<QFont> m_font;
    int m_margin = kDefaultMargin;
};

} // namespace lumicord
