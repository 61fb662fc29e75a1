#include "CBRLField.h"

#include <QCoreApplication>
#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <string>

#include "MessageBoxes.h"

namespace {
const char* const kOutOfRangeCaption = QT_TRANSLATE_NOOP("CBRLField", "Value is out of Range");

std::string_view SkipSpace(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) {
        ++i;
    }
    return text.substr(i);
}
}  // namespace

CBRLField::CBRLField(QWidget* parent) : QLineEdit(parent) {}

std::optional<int> CBRLField::ParseLeadingInt(std::string_view text) {
    text = SkipSpace(text);
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text[0] < '0' || text[0] > '9') {
        return std::nullopt;
    }
    // Saturate rather than overflow: a long row of digits becomes the nearest int and then
    // meets the field's range check like any other value.
    long long magnitude = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            break;
        }
        magnitude = std::min<long long>(magnitude * 10 + (c - '0'), static_cast<long long>(INT_MAX) + 1);
    }
    const long long value = negative ? -magnitude : magnitude;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

std::optional<float> CBRLField::ParseLeadingFloat(std::string_view text) {
    text = SkipSpace(text);
    if (!text.empty() && text[0] == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text[0] == '-') {
            return std::nullopt;
        }
    }
    float value = 0.0f;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (end == text.data()) {
        return std::nullopt;
    }
    if (error == std::errc::result_out_of_range) {
        // Beyond the float range: a huge number keeps its sign and meets the range check, a
        // vanishingly small one is 0.
        const std::string_view number(text.data(), static_cast<size_t>(end - text.data()));
        const size_t exponent = number.find_first_of("eE");
        const std::string_view mantissa = number.substr(0, exponent);
        const bool tiny = exponent != std::string_view::npos ? number.substr(exponent + 1).starts_with('-')
                                                             : mantissa.find_first_of("123456789") > mantissa.find('.');
        const bool negative = number.starts_with('-');
        value = tiny ? 0.0f : (negative ? -HUGE_VALF : HUGE_VALF);
    }
    if (std::isnan(value)) {
        return std::nullopt;
    }
    return value;
}

bool CBRLField::AskOutOfRange(const QString& text) {
    MessageBoxRequest request;
    request.text = text;
    request.caption = QCoreApplication::translate("CBRLField", kOutOfRangeCaption);
    request.buttons = MsgButtons::OkCancel;
    if (MessageBoxes().Ask(this, request) == MsgAnswer::Ok) {
        return true;
    }
    setFocus(Qt::OtherFocusReason);
    return false;
}
