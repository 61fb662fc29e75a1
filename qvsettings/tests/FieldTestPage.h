#pragma once
// A small page for the field and page-base tests: an integer field with the range 1 to 25, one
// whose range holds 0, and a float field shown at a tenth with "%9.3f", over a block of its own.

#include <QVBoxLayout>

#include "CBRLFloatField.h"
#include "CBRLIntField.h"
#include "CBRLPropPage.h"

struct FieldTestBlock {
    int count = 10;
    int offset = 5;
    float length = 500.0f;
};

class FieldTestPage : public CBRLBlockPage<FieldTestBlock> {
public:
    static constexpr unsigned kIdCount = 2001;
    static constexpr unsigned kIdOffset = 2002;
    static constexpr unsigned kIdLength = 2003;

    FieldTestPage() : CBRLBlockPage(9999, QStringLiteral("Fields")) { m_defaults = FieldTestBlock{}; }

    void LoadFromSettings() override {
        count->SetValueAndDefault(m_pBlock->count, m_defaults.count);
        offset->SetValueAndDefault(m_pBlock->offset, m_defaults.offset);
        length->SetValueAndDefault(m_pBlock->length, m_defaults.length);
    }
    void StoreControl(unsigned nID) override {
        bool modified = false;
        if (nID == kIdCount) {
            modified = StoreField(*count, m_pBlock->count);
        } else if (nID == kIdOffset) {
            modified = StoreField(*offset, m_pBlock->offset);
        } else if (nID == kIdLength) {
            modified = StoreField(*length, m_pBlock->length);
        }
        if (modified) {
            SetModified(true);
            RepaintPage(false);
        }
    }

    CBRLIntField* count = nullptr;
    CBRLIntField* offset = nullptr;
    CBRLFloatField* length = nullptr;
    int defaultsConfirmed = 0;

protected:
    void CreateControls() override {
        auto* layout = new QVBoxLayout(this);
        count = new CBRLIntField(this);
        offset = new CBRLIntField(this);
        length = new CBRLFloatField(this);
        RegisterControl(kIdCount, count);
        RegisterControl(kIdOffset, offset);
        RegisterControl(kIdLength, length);
        layout->addWidget(count);
        layout->addWidget(offset);
        layout->addWidget(length);
        AddStandardButtons(layout);
        count->SetRange(1, 25, QStringLiteral("Fixation Count"));
        offset->SetRange(-10, 10, QStringLiteral("Offset"));
        length->SetFormat("%9.3f");
    }
    bool OnInitDialog() override {
        CBRLPropPage::OnInitDialog();
        length->SetScale(0.1f);
        return true;
    }
    bool IsControlNonDefault(unsigned id) const override {
        if (id == kIdCount) {
            return count->IsNonDefault();
        }
        if (id == kIdLength) {
            return length->IsNonDefault();
        }
        return false;
    }
};
