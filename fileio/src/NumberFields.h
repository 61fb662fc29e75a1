// Blocks, or runs of lines inside blocks, that are a fixed list of number lines. One table per
// list serves both the reader and the writer, so that the order of the lines and the format of
// each value are written down once.
#pragma once

#include <cstdint>
#include <limits>
#include <span>
#include <string_view>
#include <type_traits>

#include "SettingsWriter.h"
#include "TextReader.h"

namespace qvfileio {

// The since of a line that files of every version have (whatever their version line says).
inline constexpr int kEveryVersion = std::numeric_limits<int>::min();

// How a value stands on its line (the TextReader and SettingsWriter formats of the same name).
enum class NumberFormat { Int, Hex, Float, Hundredths };

// One number line of a block: the field it fills, the label written after the value, and the
// first block version whose files have the line (older ones leave the field as it is).
template <typename Block>
struct NumberField {
    NumberFormat format;
    std::int32_t Block::*integer;  // Int and Hex
    float Block::*real;            // Float and Hundredths
    std::u16string_view label;
    int since;
};

template <typename Block>
constexpr NumberField<Block> intField(std::int32_t Block::*field, std::u16string_view label,
                                      int since = kEveryVersion) {
    return {NumberFormat::Int, field, nullptr, label, since};
}

template <typename Block>
constexpr NumberField<Block> hexField(std::int32_t Block::*field, std::u16string_view label,
                                      int since = kEveryVersion) {
    return {NumberFormat::Hex, field, nullptr, label, since};
}

template <typename Block>
constexpr NumberField<Block> floatField(float Block::*field, std::u16string_view label, int since = kEveryVersion) {
    return {NumberFormat::Float, nullptr, field, label, since};
}

template <typename Block>
constexpr NumberField<Block> hundredthsField(float Block::*field, std::u16string_view label,
                                             int since = kEveryVersion) {
    return {NumberFormat::Hundredths, nullptr, field, label, since};
}

template <typename Block>
using NumberFields = std::span<const NumberField<Block>>;

// Reads the lines a block of this version has, in table order.
template <typename Block>
void readNumberFields(TextReader& in, Block& block, std::type_identity_t<NumberFields<Block>> fields, int version) {
    for (const NumberField<Block>& field : fields) {
        if (version < field.since) {
            continue;
        }
        switch (field.format) {
            case NumberFormat::Int:
                in.readInt(block.*field.integer);
                break;
            case NumberFormat::Hex:
                in.readHex(block.*field.integer);
                break;
            case NumberFormat::Float:
                in.readFloat(block.*field.real);
                break;
            case NumberFormat::Hundredths:
                in.readHundredths(block.*field.real);
                break;
        }
    }
}

// Writes every line of the table: files are always written in the current version.
template <typename Block>
void writeNumberFields(SettingsWriter& w, const Block& block, std::type_identity_t<NumberFields<Block>> fields) {
    for (const NumberField<Block>& field : fields) {
        switch (field.format) {
            case NumberFormat::Int:
                w.intLine(block.*field.integer, field.label);
                break;
            case NumberFormat::Hex:
                w.hexLine(block.*field.integer, field.label);
                break;
            case NumberFormat::Float:
                w.floatLine(block.*field.real, field.label);
                break;
            case NumberFormat::Hundredths:
                w.hundredthsLine(block.*field.real, field.label);
                break;
        }
    }
}

}  // namespace qvfileio
