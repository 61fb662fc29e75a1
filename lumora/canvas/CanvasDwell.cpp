#include "canvas/CanvasDwell.h"

namespace lumora {

DwellOutcome CanvasDwell::step() {
    switch (m_stage) {
        case DwellStage::Following:
            // Without the yellow step the first step already shows red, though it still sounds
            // like a first step.
            m_stage = m_yellowStep ? DwellStage::Yellow : DwellStage::Red;
            return DwellOutcome::Advanced;
        case DwellStage::Yellow:
            m_stage = DwellStage::Red;
            return DwellOutcome::TurnedRed;
        case DwellStage::Red:
            break;
    }
    m_stage = DwellStage::Following;
    return DwellOutcome::Committed;
}

ColorRef CanvasDwell::cursorColor() const {
    switch (m_stage) {
        case DwellStage::Yellow:
            return kYellow;
        case DwellStage::Red:
            return kRed;
        case DwellStage::Following:
            break;
    }
    return kGreen;
}

const char* CanvasDwell::SoundFor(DwellOutcome outcome) {
    switch (outcome) {
        case DwellOutcome::Advanced:
            return kSoundFirstStep;
        case DwellOutcome::TurnedRed:
            return kSoundTurnRed;
        case DwellOutcome::Committed:
            break;
    }
    return kSoundCommit;
}

}  // namespace lumora
