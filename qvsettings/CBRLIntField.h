#pragma once
// Validated integer edit field: shows its value with "%4d", checks typed values against an
// inclusive range and asks before taking the nearest bound.

#include <climits>

#include "CBRLField.h"

class CBRLIntField : public CBRLField {
    Q_OBJECT
public:
    explicit CBRLIntField(QWidget* parent = nullptr);

    // Sets the inclusive range and the value's name for the range question; no redisplay.
    void SetRange(int min, int max, const QString& name);
    void SetValueAndDefault(int value, int defaultValue);
    // Sets the value and shows it.
    void SetValue(int value);
    // Reads, validates and re-shows the typed text. *modified (may be null) tells whether the
    // user typed since the text was last set; when not, the value is returned as it is, without
    // reading the text. Text without a number counts as 0; a value out of range asks: OK takes
    // the bound, Cancel brings back the previous value with the focus here.
    int GetValue(bool* modified);

    bool IsNonDefault() const override { return m_value != m_default; }

    int Value() const { return m_value; }
    int Default() const { return m_default; }
    int Min() const { return m_min; }
    int Max() const { return m_max; }
    const QString& Name() const { return m_name; }

    // The shown form of a value.
    static QString Format(int value);

private:
    int m_value = 0;
    int m_default = 0;
    int m_min = INT_MIN;
    int m_max = INT_MAX;
    QString m_name;
};
