#pragma once
// "Image Proc" page: the three image-processing switches of the tracker.

#include "CBRLPropPage.h"
#include "qvfileio.h"

class QCheckBox;

class CImageProcPpg : public CBRLBlockPage<ImageProcSettings> {
    Q_OBJECT
public:
    static constexpr unsigned kTemplateId = 152;
    static constexpr unsigned kIdDroopy = 1011;
    static constexpr unsigned kIdRange = 1148;
    static constexpr unsigned kIdPupil = 1234;

    explicit CImageProcPpg(QWidget* parent = nullptr);

    void LoadFromSettings() override;
    void StoreControl(unsigned nID) override;

protected:
    void CreateControls() override;
    void DoDataExchange(bool saveAndValidate) override;
    bool OnPageCommand(unsigned id, unsigned code) override;
    bool IsControlNonDefault(unsigned id) const override;

private:
    void OnSetDefaults();

    int m_bDroopy = 0;
    int m_bRange = 0;
    int m_bPupil = 0;
    QCheckBox* m_droopy = nullptr;
    QCheckBox* m_range = nullptr;
    QCheckBox* m_pupil = nullptr;
};
