#pragma once
// Validated float edit field. The value is kept in the block's unit and shown times a display
// scale with a printf-style format, so that millimetres can be typed as inches, for instance.

#include <QByteArray>
#include <limits>

#include "CBRLField.h"

class CBRLFloatField : public CBRLField {
    Q_OBJECT
public:
    explicit CBRLFloatField(QWidget* parent = nullptr);

    // Inclusive range in the block's unit, and the name for the range question; no redisplay.
    void SetRange(float min, float max, const QString& name);
    // printf-style format with one floating conversion, for the shown number; no redisplay.
    void SetFormat(const char* format);
    // Shown number = value x scale. Redisplays. A scale of 0 (or not a number) is refused and
    // leaves the scale as it was, since no typed text could then be turned back into a value.
    void SetScale(float scale);
    void SetValueAndDefault(float value, float defaultValue);
    void SetValue(float value);
    // Reads the typed number, divides it by the scale, checks the range (in the block's unit) and
    // re-shows it; see CBRLIntField::GetValue for the question, *modified and untyped text (whose
    // value is returned exactly, never the rounded number shown).
    float GetValue(bool* modified);

    // Exact comparison: a value that differs from the default only by rounding is non-default.
    bool IsNonDefault() const override { return m_value != m_default; }

    float Value() const { return m_value; }
    float Default() const { return m_default; }
    float Scale() const { return m_scale; }
    const QByteArray& FormatString() const { return m_format; }

    // The shown form of the current value.
    QString Formatted() const;

private:
    float m_value = 0.0f;
    float m_default = 0.0f;
    QByteArray m_format;
    float m_scale = 1.0f;
    float m_min = std::numeric_limits<float>::lowest();
    float m_max = std::numeric_limits<float>::max();
    QString m_name;
};
