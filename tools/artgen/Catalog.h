// Everything the generator makes, as a list of files with the code that makes each one.
// To add a picture or a sound, add one entry to DataFiles() (Pictures.cpp, Sounds.cpp) with
// its path under the working folder; the build copies nothing by hand.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <functional>
#include <vector>

namespace artgen {

struct Artifact {
    QString path;  // relative to its output folder, '/' separated
    std::function<QByteArray()> make;
};

// The pictures and sounds that Lumora loads by path from its working folder
// ("Lumora/Images/...", "Lumora/Sounds/...").
std::vector<Artifact> DataFiles();

// The stamp pictures compiled into the program, "<number>.bmp", and the Qt resource list
// naming them (":/lumora/stamps/<number>.bmp").
std::vector<Artifact> StampFiles();
QByteArray StampResourceList();

// The art itself, for previews and tests.
QImage DrawStamp(int number);
std::vector<int> StampNumbers();
QImage DrawArrow(bool pointsLeft);

}  // namespace artgen
