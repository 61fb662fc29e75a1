#pragma once
// Base of the validated numeric edit fields. A field keeps its own value; the page copies it into
// the settings record when the focus leaves the field (see CBRLPropPage).

#include <QLineEdit>
#include <optional>
#include <string_view>

class CBRLField : public QLineEdit {
    Q_OBJECT
public:
    explicit CBRLField(QWidget* parent = nullptr);

    // True when the field's value differs from the block's default; drives the red highlight.
    virtual bool IsNonDefault() const { return false; }

    // The leading number of text as the C library's "%d" would read it (white space skipped,
    // anything after the number ignored), saturated to the int range; nothing when the text
    // does not start with a number.
    static std::optional<int> ParseLeadingInt(std::string_view text);
    // The same for "%f"; text that is no finite or infinite number ("nan") yields nothing.
    static std::optional<float> ParseLeadingFloat(std::string_view text);

protected:
    // The range question shared by both field kinds. Returns true when the user took the
    // candidate (OK); on Cancel the focus is put back into this field.
    bool AskOutOfRange(const QString& text);
};
