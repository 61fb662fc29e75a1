// The blocks that only the communication settings file holds: defaults, readers (block open in
// the communication file, then decoding by version) and writers.
#pragma once

#include <cstdint>

#include "FileIoContext.h"
#include "SettingsWriter.h"
#include "qvfileio.h"

namespace qvfileio {

void setFontsDefaults(FontsSettings& block);
int readFonts(FileIoContext& context, FontsSettings& block, std::int32_t language);
void writeFonts(SettingsWriter& writer, const FontsSettings& block);

void setGazeCtrlDefaults(GazeCtrlSettings& block);
int readGazeCtrl(FileIoContext& context, GazeCtrlSettings& block, std::int32_t language);
void writeGazeCtrl(SettingsWriter& writer, const GazeCtrlSettings& block);

void setKeyboardDefaults(KeyboardSettings& block);
int readKeyboard(FileIoContext& context, KeyboardSettings& block, std::int32_t language);
void writeKeyboard(SettingsWriter& writer, const KeyboardSettings& block);

void setLightApplDefaults(LightApplSettings& block);
int readLightAppl(FileIoContext& context, LightApplSettings& block, std::int32_t language);
void writeLightAppl(SettingsWriter& writer, const LightApplSettings& block);

void setPaddleDefaults(PaddleSettings& block);
int readPaddle(FileIoContext& context, PaddleSettings& block, std::int32_t language);
void writePaddle(SettingsWriter& writer, const PaddleSettings& block);

void setPCAccessDefaults(PCAccessSettings& block);
int readPCAccess(FileIoContext& context, PCAccessSettings& block, std::int32_t language);
void writePCAccess(SettingsWriter& writer, const PCAccessSettings& block);

void setScanKbdDefaults(ScanKbdSettings& block);
int readScanKbd(FileIoContext& context, ScanKbdSettings& block, std::int32_t language);
void writeScanKbd(SettingsWriter& writer, const ScanKbdSettings& block);

void setTVDefaults(TVSettings& block);
int readTV(FileIoContext& context, TVSettings& block, std::int32_t language);
void writeTV(SettingsWriter& writer, const TVSettings& block);

void setTwoStrokeKbdDefaults(TwoStrokeKbdSettings& block);
int readTwoStrokeKbd(FileIoContext& context, TwoStrokeKbdSettings& block, std::int32_t language);
void writeTwoStrokeKbd(SettingsWriter& writer, const TwoStrokeKbdSettings& block);

// The text blocks (CommunicationBlocks_Texts.cpp).
void setPhoneDefaults(PhoneSettings& block);
int readPhone(FileIoContext& context, PhoneSettings& block, std::int32_t language);
void writePhone(SettingsWriter& writer, const PhoneSettings& block);

void setPhrasesDefaults(PhrasesSettings& block, std::int32_t which);
int readPhrases(FileIoContext& context, PhrasesSettings& block, std::int32_t language);
void writePhrases(SettingsWriter& writer, const PhrasesSettings& block);

void setSpeechDefaults(SpeechSettings& block);
int readSpeech(FileIoContext& context, SpeechSettings& block, std::int32_t language);
void writeSpeech(SettingsWriter& writer, const SpeechSettings& block);

void setTeachDefaults(TeachSettings& block, std::int32_t which);
int readTeach(FileIoContext& context, TeachSettings& block, std::int32_t language);
void writeTeach(SettingsWriter& writer, const TeachSettings& block);

// A count from a file or a caller, limited to 0..capacity.
int clampCount(std::int32_t count, int capacity);
// Reads a legacy "%i %s %i" line: integer, word (at most wordCapacity - 1 characters), integer;
// each value is stored only when it and those before it were read.
void readIntWordIntLine(TextReader& in, std::int32_t& first, char16_t* word, std::size_t wordCapacity,
                        std::int32_t& last);

}  // namespace qvfileio
