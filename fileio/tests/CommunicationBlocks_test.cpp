#include "CommunicationBlocks.h"

#include <gtest/gtest.h>

#include "FileIoTest.h"

using namespace qvfileio;

namespace {

class CommunicationBlocksTest : public FileIoTest {
protected:
    void SetUp() override {
        FileIoTest::SetUp();
        std::filesystem::create_directory("QVXSettings");
        m_context.markConversionDone(FileKind::Communication);
    }

    static void commFile(int version, const std::string& section, const std::string& body) {
        testsupport::WriteFile("QVXSettings/Settings_US.qvx",
                   utf16File(std::to_string(version) + "\t\tFile Format Version\r\nUS\t\tUS English\r\n\r\nSection " +
                             section + " **********\r\n" + body));
    }

    FileIoContext m_context;
};

std::u16string text(const char16_t* field) {
    return std::u16string(field);
}

}  // namespace

TEST(CommunicationDefaults, PhrasesOneCategoryOrAll) {
    PhrasesSettings block{};
    setPhrasesDefaults(block, -1);
    EXPECT_EQ(text(block.szTitle), u"Phrase Selection Menu");
    EXPECT_EQ(block.iNumCategories, 9);
    EXPECT_EQ(text(block.categories[0].phrases[2].szLabel), u"I Want to be Alone");
    EXPECT_EQ(text(block.categories[0].phrases[2].szText), u"I want to be alone");
    EXPECT_EQ(text(block.categories[1].phrases[13].szText), u"No");
    EXPECT_EQ(text(block.categories[3].phrases[10].szLabel), u"");
    EXPECT_EQ(text(block.categories[8].szName), u"School Work");
    EXPECT_EQ(text(block.categories[8].phrases[5].szText), u"");

    copyText(block.szTitle, QVX_PHRASE_TITLE_SLOT, u"Mine");
    block.iNumCategories = 2;
    copyText(block.categories[3].szName, QVX_PHRASE_TITLE_SLOT, u"Custom");
    copyText(block.categories[3].phrases[0].szLabel, QVX_PHRASE_LABEL_SLOT, u"x");
    copyText(block.categories[4].szName, QVX_PHRASE_TITLE_SLOT, u"Kept");
    setPhrasesDefaults(block, 3);
    EXPECT_EQ(text(block.szTitle), u"Phrase Selection Menu");
    EXPECT_EQ(block.iNumCategories, 9);
    EXPECT_EQ(text(block.categories[3].szName), u"Questions");
    EXPECT_EQ(text(block.categories[3].phrases[0].szText), u"What time is it?");
    EXPECT_EQ(text(block.categories[4].szName), u"Kept");
    setPhrasesDefaults(block, 12);
    EXPECT_EQ(text(block.categories[4].szName), u"Kept");
}

TEST(CommunicationDefaults, TeachOneGroupOrAll) {
    TeachSettings block{};
    setTeachDefaults(block, -1);
    EXPECT_EQ(block.groups[2].iNumButtons, 4);
    EXPECT_EQ(text(block.groups[2].buttons[3].szLabel), u"Don't Know");
    EXPECT_EQ(text(block.groups[2].buttons[3].szText), u"don't know");
    EXPECT_EQ(text(block.groups[3].buttons[8].szLabel), u"9");
    EXPECT_EQ(text(block.groups[4].buttons[2].szText), u"YELLOW");
    EXPECT_EQ(text(block.groups[0].buttons[2].szLabel), u"");
    block.groups[2].iNumButtons = 1;
    block.groups[1].iNumButtons = 7;
    setTeachDefaults(block, 2);
    EXPECT_EQ(block.groups[2].iNumButtons, 4);
    EXPECT_EQ(block.groups[1].iNumButtons, 7);
    setTeachDefaults(block, 5);
    EXPECT_EQ(block.groups[1].iNumButtons, 7);
    setTeachDefaults(block, -1);
    EXPECT_EQ(block.groups[1].iNumButtons, 2);
}

TEST(CommunicationDefaults, PhoneBookKeptWhenItHasEntries) {
    PhoneSettings block{};
    block.iNumEntries = 3;
    copyText(block.entries[0].szName, QVX_PHONE_NAME_SLOT, u"Ann");
    setPhoneDefaults(block);
    EXPECT_EQ(block.iNumEntries, 3);
    EXPECT_EQ(text(block.entries[0].szName), u"Ann");
    EXPECT_EQ(text(block.szGreeting), u"Hello.\r\nI am calling you from my Quorvane System.\r\nPlease wait.\r\n");
    PhoneSettings empty{};
    setPhoneDefaults(empty);
    EXPECT_EQ(empty.iNumEntries, 1);
    EXPECT_EQ(text(empty.entries[0].szName), u"Brelnic");
    EXPECT_EQ(empty.iModemPortSpeed, 9600);
}

TEST(CommunicationDefaults, OtherBlocks) {
    LightApplSettings la{};
    setLightApplDefaults(la);
    EXPECT_EQ(text(la.szPortName), u"Com2");
    EXPECT_EQ(text(la.devices[1].szBottomLabel), u"Chime");
    EXPECT_EQ(la.devices[1].iSwitchType, 1);
    EXPECT_EQ(la.devices[2].iSwitchType, 0);
    TVSettings tv{};
    tv.iChannels[50] = 9;
    setTVDefaults(tv);
    EXPECT_EQ(tv.iNumChannels, 3);
    EXPECT_EQ(tv.iChannels[1], 26);
    EXPECT_EQ(tv.iChannels[50], 0);
    SpeechSettings sp{};
    setSpeechDefaults(sp);
    EXPECT_EQ(sp.voiceModeId.data1, 0xC77C5170u);
    EXPECT_EQ(sp.voiceModeId.data4[1], 0x7B);
    EXPECT_EQ(sp.iSynthType, 8);
    GazeCtrlSettings gc{};
    setGazeCtrlDefaults(gc);
    EXPECT_EQ(gc.crLocatorDotColor, 0xAA);
}

TEST_F(CommunicationBlocksTest, GreetingRoundTripsWithItsLineEnd) {
    PhoneSettings block{};
    setPhoneDefaults(block);
    copyText(block.szGreeting, QVX_GREETING_SLOT, u"Hi");
    SettingsWriter w;
    w.byteOrderMark();
    w.intLine(7, u"v");
    w.textLine(u"US\t\tUS English");
    writePhone(w, block);
    testsupport::WriteFile("QVXSettings/Settings_US.qvx", std::string(w.bytes().begin(), w.bytes().end()));
    PhoneSettings back{};
    EXPECT_EQ(readPhone(m_context, back, 0), 7);
    EXPECT_EQ(text(back.szGreeting), u"Hi\r\n");
    EXPECT_EQ(back.iNumEntries, 1);
}

TEST_F(CommunicationBlocksTest, GreetingEndingInTheSeparator) {
    commFile(
        7, "Phone/Answering", "Good day\r\nBye----------\r\n\r\n2\t\tdialing mode\r\n20\t\tNum\r\n" + [] {
            std::string s;
            for (int i = 0; i < 20; ++i) {
                s += "Name" + std::to_string(i) + "\r\n555-" + std::to_string(i) + "\r\n";
            }
            return s;
        }());
    PhoneSettings block{};
    EXPECT_EQ(readPhone(m_context, block, 0), 7);
    EXPECT_EQ(text(block.szGreeting), u"Good day\r\nBye\r\n");
    EXPECT_EQ(block.iDialingMode, 2);
    EXPECT_EQ(block.iNumEntries, 14);
    EXPECT_EQ(text(block.entries[13].szName), u"Name13");
}

TEST_F(CommunicationBlocksTest, LongGreetingNeverPassesItsLimit) {
    std::string body;
    for (int i = 0; i < 40; ++i) {
        body += std::string(300, 'a' + i % 26) + "\r\n";
    }
    commFile(7, "Phone/Answering", body + "----------\r\n");
    PhoneSettings block{};
    block.szGreeting[QVX_GREETING_SLOT - 1] = u'#';
    readPhone(m_context, block, 0);
    std::size_t n = boundedLength(block.szGreeting, QVX_GREETING_SLOT);
    EXPECT_LE(n, 810u);
    EXPECT_GE(n, 800u);
}

TEST_F(CommunicationBlocksTest, SpeechVoiceLineForms) {
    struct Case {
        std::string line;
        int voice;
        std::u16string name;
        std::uint32_t data1;
        std::uint8_t lastByte;
    };
    const Case cases[] = {
        {"-2 \tMicrosoft Mary\r\n", -2, u"Microsoft Mary", 0xC77C5170u, 0x00},
        {"-1 0000abcd 0001 0002 03 04 05 06 07 08 09 0a\t\tVoice, SAPI4 GUID\r\n", -1, u"", 0xABCDu, 0x0A},
        {"3\t\tVoice\r\n", 3, u"", 0xC77C5170u, 0x00},
        {"voice\r\n", -1, u"", 0xC77C5170u, 0x00},
    };
    for (const auto& c : cases) {
        commFile(7, "Speech", c.line + "150\r\n4\r\nCom3\r\n2400\r\n");
        SpeechSettings block{};
        EXPECT_EQ(readSpeech(m_context, block, 0), 7);
        EXPECT_EQ(block.iVoice, c.voice) << c.line;
        EXPECT_EQ(text(block.szVoiceName), c.name) << c.line;
        EXPECT_EQ(block.voiceModeId.data1, c.data1) << c.line;
        EXPECT_EQ(block.voiceModeId.data4[7], c.lastByte) << c.line;
        EXPECT_EQ(block.iSpeed, 150);
        EXPECT_EQ(text(block.szPortName), u"Com3");
        EXPECT_EQ(block.iPortSpeed, 2400);
    }
}

TEST_F(CommunicationBlocksTest, Version2GazeControlHasDiscardedLines) {
    commFile(2, "GazeCtrl", "75\r\n1\r\n2\r\n20\r\n1\r\n3\r\n99\r\n4\r\nff\r\n15\r\n");
    GazeCtrlSettings block{};
    EXPECT_EQ(readGazeCtrl(m_context, block, 0), 2);
    EXPECT_FLOAT_EQ(block.fGazeDuration, 0.75f);
    EXPECT_FLOAT_EQ(block.fDoubleKeyDelay, 0.2f);
    EXPECT_EQ(block.bMenuKeysCentered, 1);
    EXPECT_EQ(block.iLocatorDotMode, 3);
    EXPECT_EQ(block.iLocatorDotSize, 4);
    EXPECT_EQ(block.crLocatorDotColor, 0xFF);
    EXPECT_EQ(block.iLocatorDotResponse, 15);
}

TEST_F(CommunicationBlocksTest, Version2PCAccessHasNoStepSizes) {
    commFile(2, "PCAccess", "2\r\nCom4\r\n9600\r\n5\r\n");
    PCAccessSettings block{};
    EXPECT_EQ(readPCAccess(m_context, block, 0), 2);
    EXPECT_EQ(block.iDeviceType, 2);
    EXPECT_EQ(text(block.szPortName), u"Com4");
    EXPECT_EQ(block.iMouseSteps[0], 1);
    EXPECT_EQ(block.iMouseSteps[5], 300);
}

TEST_F(CommunicationBlocksTest, CountsAreLimitedToTheBlocks) {
    std::string channels;
    for (int i = 0; i < 200; ++i) {
        channels += std::to_string(i) + "\t\tChannel\r\n";
    }
    commFile(7, "TV", "500\r\n" + channels);
    TVSettings tv{};
    readTV(m_context, tv, 0);
    EXPECT_EQ(tv.iNumChannels, 125);
    EXPECT_EQ(tv.iChannels[124], 124);
    commFile(7, "Phrases", "40\r\nTitle that is much longer than forty characters in all\r\n");
    PhrasesSettings ph{};
    readPhrases(m_context, ph, 0);
    EXPECT_EQ(ph.iNumCategories, 9);
    EXPECT_EQ(boundedLength(ph.szTitle, QVX_PHRASE_TITLE_SLOT), 39u);
    commFile(7, "Teach", "12\r\n");
    TeachSettings te{};
    readTeach(m_context, te, 0);
    EXPECT_EQ(te.groups[0].iNumButtons, 9);
    commFile(7, "TV", "-4\r\n");
    readTV(m_context, tv, 0);
    EXPECT_EQ(tv.iNumChannels, 0);
}

TEST_F(CommunicationBlocksTest, OlderPerBlockFiles) {
    testsupport::WriteFile("Kbd.key", "keyboard\r\n2 0\r\n50 125\r\n1 2\r\n");
    std::string devices = "T1\r\nB1\r\n1\r\n";
    for (int i = 1; i < QVX_NUM_DEVICES; ++i) {
        devices += "t\r\nb\r\n0\r\n";
    }
    testsupport::WriteFile("la.key", devices + "a\nb\nc\nd\ne\nf\n3 Com3 0x960\n");
    testsupport::WriteFile("telvor.key", "; channels\r\n;more\r\nheader\r\n4\r\n11\r\n12");
    testsupport::WriteFile("sk.key", "x\r\ny\r\n2\r\n0.5\r\n");
    testsupport::WriteFile("Fonts.size", "100 90\n80\n70\n");
    KeyboardSettings kb{};
    EXPECT_EQ(readKeyboard(m_context, kb, 0), 1);
    EXPECT_EQ(kb.iRegDefault, 2);
    EXPECT_EQ(kb.iPcDefault, 0);
    EXPECT_FLOAT_EQ(kb.fRegGazeDuration, 0.5f);
    EXPECT_FLOAT_EQ(kb.fPcGazeDuration, 1.25f);
    EXPECT_EQ(kb.iPcSpeechMode, 2);
    LightApplSettings la{};
    EXPECT_EQ(readLightAppl(m_context, la, 0), 1);
    EXPECT_EQ(text(la.devices[0].szTopLabel), u"T1");
    EXPECT_EQ(la.iInterfaceType, 3);
    EXPECT_EQ(text(la.szPortName), u"Com3");
    EXPECT_EQ(la.iPortSpeed, 0x960);
    TVSettings tv{};
    EXPECT_EQ(readTV(m_context, tv, 0), 1);
    EXPECT_EQ(tv.iNumChannels, 3);
    EXPECT_EQ(tv.iChannels[2], 12);
    ScanKbdSettings sk{};
    EXPECT_EQ(readScanKbd(m_context, sk, 0), 1);
    EXPECT_EQ(sk.iDefaultLayout, 2);
    EXPECT_FLOAT_EQ(sk.fScanDuration, 0.5f);
    FontsSettings fo{};
    EXPECT_EQ(readFonts(m_context, fo, 0), 1);
    EXPECT_EQ(fo.fonts[1].iHeight, 90);
    EXPECT_EQ(fo.fonts[3].iHeight, 70);
    EXPECT_EQ(text(fo.fonts[3].szFaceName), u"Arial");
}

TEST_F(CommunicationBlocksTest, OlderTelephoneFiles) {
    testsupport::WriteFile("Phoneann.key", "Hello there\r\nBye\r\n");
    testsupport::WriteFile("modem.key", "1\r\n");
    testsupport::WriteFile("Phonebk.key", "30\r\nAnn\r\n555-1\r\nBob\r\n555-2\r\n");
    testsupport::WriteFile("Hardware.cfg", "1\n2\n3\n4\n5\n6\n7\n2 Com2 2400\n");
    PhoneSettings block{};
    EXPECT_EQ(readPhone(m_context, block, 0), 1);
    EXPECT_EQ(text(block.szGreeting), u"Hello there\r\nBye\r\n");
    EXPECT_EQ(block.iDialingMode, 1);
    EXPECT_EQ(block.iNumEntries, 14);
    EXPECT_EQ(text(block.entries[1].szNumber), u"555-2");
    EXPECT_EQ(block.iModemType, 2);
    EXPECT_EQ(text(block.szModemPortName), u"Com2");
    EXPECT_EQ(block.iModemPortSpeed, 2400);

    // Speech found nowhere still takes its port from "Hardware.cfg" (four lines skipped).
    testsupport::WriteFile("Hardware.cfg", "1\n2\n3\n4\n5 Com5 1200\n");
    SpeechSettings sp{};
    EXPECT_EQ(readSpeech(m_context, sp, 0), 0);
    EXPECT_EQ(sp.iSynthType, 5);
    EXPECT_EQ(text(sp.szPortName), u"Com5");
    EXPECT_EQ(sp.iPortSpeed, 1200);
}
