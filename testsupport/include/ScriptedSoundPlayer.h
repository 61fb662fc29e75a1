// ScriptedSoundPlayer: a sound player that plays nothing and records every request in order as
// "async PATH", "sync PATH" or "stop", for tests to read back (and for tools that must stay
// silent).
#pragma once

#include <QString>
#include <QStringList>

#include "app/SoundPlayer.h"

namespace lumora {

class ScriptedSoundPlayer : public SoundPlayer {
public:
    void playAsync(const QString& path) override { m_log << QStringLiteral("async ") + path; }
    void playSync(const QString& path) override { m_log << QStringLiteral("sync ") + path; }
    void stop() override { m_log << QStringLiteral("stop"); }
    const QStringList& log() const { return m_log; }
    void clear() { m_log.clear(); }

private:
    QStringList m_log;
};

}  // namespace lumora
