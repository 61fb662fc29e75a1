#include "canvas/StampPictures.h"

#include <QString>
#include <algorithm>
#include <array>
#include <map>

#include "files/LoadBmpFile.h"

// The resource file is compiled into the library; naming its initialiser here also keeps the
// linker from dropping it out of the static library.
static void initStampResources() {
    Q_INIT_RESOURCE(lumora_stamps);
}

namespace lumora {

namespace {

// Flower, Heart, Bulb, Music, Star, Snowflake, Spider, Bird, Cat, Dog, Butterfly, Fish, Eye,
// Computer, Wheelchair, Bus, Icecream, Grapes, Strawberry, Watermelon, Balloon, Bear, Boy1, Boy2,
// Girl1, Girl2, the digits 0 to 9, "+" and "=".
constexpr std::array<int, 38> kNumbers = {149, 170, 159, 172, 176, 175, 150, 158, 163, 165, 161, 168, 167,
                                         164, 179, 160, 171, 169, 177, 178, 151, 157, 182, 183, 184, 186,
                                         203, 204, 205, 206, 207, 208, 209, 210, 211, 212, 213, 214};

QString resourcePath(int number) {
    return QStringLiteral(":/lumora/stamps/%1.bmp").arg(number);
}

}  // namespace

std::span<const int> StampNumbers() {
    return kNumbers;
}

const QImage& StampPicture(int number) {
    static const QImage none;
    static std::map<int, QImage> loaded;
    if (std::find(kNumbers.begin(), kNumbers.end(), number) == kNumbers.end()) {
        return none;
    }
    auto it = loaded.find(number);
    if (it == loaded.end()) {
        static const bool registered = (initStampResources(), true);
        (void)registered;
        QImage picture;
        LoadBmpFile(resourcePath(number), picture);
        it = loaded.emplace(number, std::move(picture)).first;
    }
    return it->second;
}

}  // namespace lumora
