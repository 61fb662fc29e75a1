#include "CBRLIntField.h"

namespace {
const char* const kIntFormat = "%4d";
const char* const kOutOfRangeText = QT_TRANSLATE_NOOP(
    "CBRLIntField",
    "The %s is out of range.\nWould you like to change it?\nPress OK to change it to %i\nPress CANCEL to return to "
    "the field");
}  // namespace

CBRLIntField::CBRLIntField(QWidget* parent) : CBRLField(parent) {}

void CBRLIntField::SetRange(int min, int max, const QString& name) {
    m_min = min;
    m_max = max;
    m_name = name;
}

void CBRLIntField::SetValueAndDefault(int value, int defaultValue) {
    m_default = defaultValue;
    SetValue(value);
}

void CBRLIntField::SetValue(int value) {
    m_value = value;
    setText(Format(m_value));
}

QString CBRLIntField::Format(int value) {
    return QString::asprintf(kIntFormat, value);
}

int CBRLIntField::GetValue(bool* modified) {
    if (modified) {
        *modified = isModified();
    }
    if (!isModified()) {
        // Nothing typed: the value stays as it was loaded, without a range question about a
        // value the user never entered.
        return m_value;
    }
    const int old = m_value;
    m_value = ParseLeadingInt(text().toStdString()).value_or(0);
    std::optional<int> candidate;
    if (m_value < m_min) {
        candidate = m_min;
    } else if (m_value > m_max) {
        candidate = m_max;
    }
    if (candidate) {
        const QString question =
            QString::asprintf(tr(kOutOfRangeText).toUtf8().constData(), m_name.toUtf8().constData(), *candidate);
        m_value = AskOutOfRange(question) ? *candidate : old;
    }
    setText(Format(m_value));
    return m_value;
}
