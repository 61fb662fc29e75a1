// The communication label file: nine groups of screen texts plus the two keyboard tables, read
// only (the file is prepared per language outside the library).
#pragma once

#include <cstdint>
#include <string_view>

#include "FileIoContext.h"
#include "qvfileio.h"

namespace qvfileio {

void setCalLabelDefaults(QvxCalLabels& group);
int readCalLabels(FileIoContext& context, QvxCalLabels& group, std::int32_t language);
void setKbdLabelDefaults(QvxKbdLabels& group);
int readKbdLabels(FileIoContext& context, QvxKbdLabels& group, std::int32_t language);
void setLALabelDefaults(QvxLALabels& group);
int readLALabels(FileIoContext& context, QvxLALabels& group, std::int32_t language);
void setMenuLabelDefaults(QvxMenuLabels& group);
int readMenuLabels(FileIoContext& context, QvxMenuLabels& group, std::int32_t language);
void setPaddleLabelDefaults(QvxPaddleLabels& group);
int readPaddleLabels(FileIoContext& context, QvxPaddleLabels& group, std::int32_t language);
void setPCAccessLabelDefaults(QvxPCAccessLabels& group);
int readPCAccessLabels(FileIoContext& context, QvxPCAccessLabels& group, std::int32_t language);
void setPhoneLabelDefaults(QvxPhoneLabels& group);
int readPhoneLabels(FileIoContext& context, QvxPhoneLabels& group, std::int32_t language);
void setPhrasesLabelDefaults(QvxPhrasesLabels& group);
int readPhrasesLabels(FileIoContext& context, QvxPhrasesLabels& group, std::int32_t language);
void setReadLabelDefaults(QvxReadLabels& group);
int readReadLabels(FileIoContext& context, QvxReadLabels& group, std::int32_t language);

// The whole label file of record.language (resolved first), or of an explicit path.
int readLabels(FileIoContext& context, QvxLabelsRecord& record);
int readLabelsFrom(FileIoContext& context, QvxLabelsRecord& record, std::u16string_view path);

}  // namespace qvfileio
