#include "CBRLFloatField.h"

#include <cmath>

namespace {
const char* const kDefaultFloatFormat = "%8.2f";
const char* const kOutOfRangeText = QT_TRANSLATE_NOOP(
    "CBRLFloatField",
    "The %s is out of range.\nWould you like to change it?\nPress OK to change it to %10.4f\nPress CANCEL to "
    "return to the field");
}  // namespace

CBRLFloatField::CBRLFloatField(QWidget* parent) : CBRLField(parent), m_format(kDefaultFloatFormat) {}

void CBRLFloatField::SetRange(float min, float max, const QString& name) {
    m_min = min;
    m_max = max;
    m_name = name;
}

void CBRLFloatField::SetFormat(const char* format) {
    m_format = format;
}

void CBRLFloatField::SetScale(float scale) {
    if (scale != 0.0f && std::isfinite(scale)) {
        m_scale = scale;
    }
    SetValue(m_value);
}

void CBRLFloatField::SetValueAndDefault(float value, float defaultValue) {
    m_default = defaultValue;
    SetValue(value);
}

void CBRLFloatField::SetValue(float value) {
    m_value = value;
    setText(Formatted());
}

QString CBRLFloatField::Formatted() const {
    return QString::asprintf(m_format.constData(), static_cast<double>(m_value * m_scale));
}

float CBRLFloatField::GetValue(bool* modified) {
    if (modified) {
        *modified = isModified();
    }
    if (!isModified()) {
        // The shown text is the value rounded to the format and unit; read back, 300 mm shown
        // as 11.81 inches would become 299.974 mm although nobody typed a thing.
        return m_value;
    }
    const float old = m_value;
    m_value = ParseLeadingFloat(text().toStdString()).value_or(0.0f) / m_scale;
    std::optional<float> candidate;
    if (m_value < m_min) {
        candidate = m_min;
    } else if (m_value > m_max) {
        candidate = m_max;
    }
    if (candidate) {
        const QString question = QString::asprintf(tr(kOutOfRangeText).toUtf8().constData(),
                                                   m_name.toUtf8().constData(), static_cast<double>(*candidate));
        m_value = AskOutOfRange(question) ? *candidate : old;
    }
    setText(Formatted());
    return m_value;
}
