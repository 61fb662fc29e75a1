#include "CommunicationFile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "CommunicationBlocks.h"
#include "FileIoTest.h"
#include "TextReader.h"
#include "TrackerBlocks.h"

using namespace qvfileio;

namespace {

class CommunicationFileTest : public FileIoTest {
protected:
    void SetUp() override {
        FileIoTest::SetUp();
        std::filesystem::create_directory("QVXSettings");
    }
    FileIoContext m_context;
};

template <std::size_t N>
void clearAfterText(char16_t (&field)[N]) {
    std::size_t n = boundedLength(field, N);
    std::fill(field + std::min(n + 1, N), field + N, u'\0');
}

// Text fields compare by their text: what follows a terminator is not part of the record.
void normalize(QvxSettingsRecord& r) {
    for (auto& f : r.fonts.fonts)
        clearAfterText(f.szFaceName);
    clearAfterText(r.lightAppl.szPortName);
    for (auto& d : r.lightAppl.devices) {
        clearAfterText(d.szTopLabel);
        clearAfterText(d.szBottomLabel);
    }
    clearAfterText(r.pcAccess.szPortName);
    clearAfterText(r.phone.szGreeting);
    clearAfterText(r.phone.szModemPortName);
    for (auto& e : r.phone.entries) {
        clearAfterText(e.szName);
        clearAfterText(e.szNumber);
    }
    clearAfterText(r.phrases.szTitle);
    for (auto& c : r.phrases.categories) {
        clearAfterText(c.szName);
        for (auto& p : c.phrases) {
            clearAfterText(p.szLabel);
            clearAfterText(p.szText);
        }
    }
    clearAfterText(r.speech.szVoiceName);
    clearAfterText(r.speech.szPortName);
    for (auto& g : r.teach.groups) {
        for (auto& b : g.buttons) {
            clearAfterText(b.szLabel);
            clearAfterText(b.szText);
        }
    }
}

std::unique_ptr<QvxSettingsRecord> customRecord() {
    auto r = std::make_unique<QvxSettingsRecord>();
    setDefaultQvxSettings(*r);
    r->language = 8;
    r->calibration.iCurCalRes = 1;
    r->calibration.calRes[2].fX[4] = 0.125f;
    copyText(r->fonts.fonts[2].szFaceName, QVX_FONT_NAME_SLOT, u"Verdana");
    r->fonts.fonts[1].wFlags = 0xFFFF;
    r->gazeCtrl.fGazeDuration = 1.25f;
    r->gazeCtrl.crLocatorDotColor = 0x123456;
    r->keyboard.fPcGazeDuration = 0.75f;
    r->keyboard.iRegSpeechMode = 2;
    r->imageProc.bDroopyEyelidComp = 1;
    copyText(r->lightAppl.devices[7].szTopLabel, QVX_DEVICE_LABEL_SLOT, u"Radio");
    r->lightAppl.iInterfaceType = 4;
    copyText(r->lightAppl.szPortName, QVX_PORT_NAME_SLOT, u"COM7");
    r->paddle.iPaddleWidth = 200;
    r->pcAccess.iMouseSteps[5] = 500;
    copyText(r->phone.szGreeting, QVX_GREETING_SLOT, u"Hi,\r\nit is me.\r\n");
    r->phone.iNumEntries = 2;
    copyText(r->phone.entries[1].szName, QVX_PHONE_NAME_SLOT, u"Doctor");
    copyText(r->phone.entries[1].szNumber, QVX_PHONE_NUMBER_SLOT, u"555-0123");
    r->phone.iModemType = 1;
    copyText(r->phrases.szTitle, QVX_PHRASE_TITLE_SLOT, u"My Phrases");
    copyText(r->phrases.categories[8].phrases[13].szText, QVX_PHRASE_TEXT_SLOT, u"homework done");
    r->scanKbd.fGazeBorderWidth = 0.1f;
    r->scanKbd.iTriggerLocation = 1;
    r->speech.iVoice = -2;
    copyText(r->speech.szVoiceName, QVX_VOICE_NAME_SLOT, u"Mary");
    copyText(r->speech.szPortName, QVX_PORT_NAME_SLOT, u"LPT1");
    r->teach.groups[4].iNumButtons = 5;
    copyText(r->teach.groups[4].buttons[4].szLabel, QVX_TEACH_LABEL_SLOT, u"PINK");
    copyText(r->teach.groups[4].buttons[4].szText, QVX_TEACH_TEXT_SLOT, u"pink");
    r->tv.iNumChannels = 5;
    r->tv.iChannels[3] = 7;
    r->tv.iChannels[4] = 125;
    r->twoStrokeKbd.fSmoothingTime = 0.5f;
    r->twoStrokeKbd.iLocatorDot = 2;
    return r;
}

}  // namespace

TEST(CommunicationDefaults, WholeRecord) {
    auto r = std::make_unique<QvxSettingsRecord>();
    r->language = 4;
    setDefaultQvxSettings(*r);
    EXPECT_EQ(r->result, 7);
    EXPECT_EQ(r->language, 0);
    EXPECT_FLOAT_EQ(r->calibration.calRes[0].fY[0], 0.24f);
    EXPECT_EQ(r->phone.iNumEntries, 1);
    EXPECT_EQ(r->phrases.iNumCategories, 9);
    EXPECT_EQ(r->teach.groups[3].iNumButtons, 9);
}

TEST_F(CommunicationFileTest, FullyCustomisedRecordRoundTrips) {
    auto written = customRecord();
    EXPECT_EQ(writeQvxSettings(m_context, *written), 0);
    ASSERT_TRUE(std::filesystem::exists("QVXSettings/Settings_IT.qvx"));
    auto read = std::make_unique<QvxSettingsRecord>();
    read->language = 8;
    EXPECT_EQ(readQvxSettings(m_context, *read), 7);
    normalize(*written);
    normalize(*read);
    EXPECT_EQ(std::memcmp(&written->calibration, &read->calibration, sizeof read->calibration), 0);
    EXPECT_EQ(std::memcmp(&written->fonts, &read->fonts, sizeof read->fonts), 0);
    EXPECT_EQ(std::memcmp(&written->gazeCtrl, &read->gazeCtrl, sizeof read->gazeCtrl), 0);
    EXPECT_EQ(std::memcmp(&written->keyboard, &read->keyboard, sizeof read->keyboard), 0);
    EXPECT_EQ(std::memcmp(&written->imageProc, &read->imageProc, sizeof read->imageProc), 0);
    EXPECT_EQ(std::memcmp(&written->lightAppl, &read->lightAppl, sizeof read->lightAppl), 0);
    EXPECT_EQ(std::memcmp(&written->paddle, &read->paddle, sizeof read->paddle), 0);
    EXPECT_EQ(std::memcmp(&written->pcAccess, &read->pcAccess, sizeof read->pcAccess), 0);
    EXPECT_EQ(std::memcmp(&written->phone, &read->phone, sizeof read->phone), 0);
    EXPECT_EQ(std::memcmp(&written->phrases, &read->phrases, sizeof read->phrases), 0);
    EXPECT_EQ(std::memcmp(&written->scanKbd, &read->scanKbd, sizeof read->scanKbd), 0);
    EXPECT_EQ(std::memcmp(&written->speech, &read->speech, sizeof read->speech), 0);
    EXPECT_EQ(std::memcmp(&written->teach, &read->teach, sizeof read->teach), 0);
    EXPECT_EQ(std::memcmp(&written->tv, &read->tv, sizeof read->tv), 0);
    EXPECT_EQ(std::memcmp(&written->twoStrokeKbd, &read->twoStrokeKbd, sizeof read->twoStrokeKbd), 0);
}

TEST_F(CommunicationFileTest, BlockWrite) {
    auto r = customRecord();
    EXPECT_EQ(writeQvxSettings(m_context, *r), 0);

    TVSettings tv{};
    setTVDefaults(tv);
    tv.iNumChannels = 1;
    EXPECT_EQ(writeQvxBlock(m_context, QVX_BLOCK_TV, &tv, 8), 0);
    auto back = std::make_unique<QvxSettingsRecord>();
    back->language = 8;
    readQvxSettings(m_context, *back);
    EXPECT_EQ(back->tv.iNumChannels, 1);
    EXPECT_EQ(back->paddle.iPaddleWidth, 200);
}

TEST_F(CommunicationFileTest, OlderFilesAreConvertedOnce) {
    testsupport::WriteFile("Paddle.key", "99\r\n5\r\n");
    auto r = std::make_unique<QvxSettingsRecord>();
    r->language = -1;
    // The paddle block converts; the blocks after it already find the new file.
    EXPECT_EQ(readQvxSettings(m_context, *r), 7);
    EXPECT_EQ(r->paddle.iPaddleWidth, 99);
    ASSERT_TRUE(std::filesystem::exists("QVXSettings/Settings_US.qvx"));
    auto converted = std::make_unique<QvxSettingsRecord>();
    EXPECT_EQ(readQvxSettings(m_context, *converted), 7);
    EXPECT_EQ(converted->paddle.iActivationThreshold, 5);
}
