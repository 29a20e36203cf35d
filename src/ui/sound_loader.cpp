#include "ui/sound_loader.h"

#include <QDir>
#include <QLibrary>
#include <QLoggingCategory>
#include <QMetaObject>
#include <QObject>
#include <QTimer>

namespace tavolier {

namespace {

// The module's entry point (sound_module.cpp).
using MakeSoundPlayer = SoundCues* (*)(const AssetFinder*, bool, const std::function<void()>*);

class AlertOnly : public SoundCues {
public:
    explicit AlertOnly(std::function<void()> beep)
        : m_beep(std::move(beep)) { }
    void play(std::string_view) override {
        if (m_beep)
            m_beep();
    }

private:
    std::function<void()> m_beep;
};

} // namespace

SoundFactory loadSoundModule(const QStringList& dirs) {
    for (const QString& dir : dirs) {
        // The library stays loaded for the rest of the run.
        auto* library = new QLibrary(QDir(dir).filePath(QStringLiteral("tavolier-sound")));
        const auto make
            = reinterpret_cast<MakeSoundPlayer>(library->resolve("tavolierMakeSoundPlayer"));
        if (make == nullptr) {
            delete library;
            continue;
        }
        return [make](const AssetFinder& finder, bool audio, std::function<void()> beep) {
            return std::unique_ptr<SoundCues>(make(&finder, audio, &beep));
        };
    }
    return {};
}

std::unique_ptr<SoundCues> alertOnlySounds(std::function<void()> beep) {
    return std::make_unique<AlertOnly>(std::move(beep));
}

void quietMultimediaLog() {
    QLoggingCategory::setFilterRules(QStringLiteral("qt.multimedia*.warning=false\n"
                                                    "qt.multimedia*.info=false\n"
                                                    "qt.multimedia*.debug=false"));
    // The sound server's client also warns without a category; the output's
    // own line says what the player needs to know.
    static QtMessageHandler next = nullptr;
    next = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
            if (type == QtWarningMsg
                && (text.startsWith(QLatin1String("PulseAudioService:"))
                    || text.startsWith(QLatin1String("\"Stream error:"))
                    || text.startsWith(QLatin1String("Stream error:"))))
                return;
            if (next != nullptr)
                next(type, context, text);
        });
}

SoundLoader::SoundLoader(const AssetFinder& finder, bool audio, SoundFactory factory,
    QStringList pluginDirs, std::function<void()> beep)
    : m_finder(finder)
    , m_audio(audio)
    , m_factory(std::move(factory))
    , m_pluginDirs(std::move(pluginDirs))
    , m_beep(std::move(beep)) {
}

SoundLoader::~SoundLoader() {
    if (m_module.valid())
        m_module.wait();
}

void SoundLoader::loadSoon(QObject* context) {
    if (m_sound == nullptr && m_factory)
        QTimer::singleShot(0, context, [this] { (void)cues(); });
    else if (m_sound == nullptr && !m_module.valid()) {
        m_module = std::async(std::launch::async, [this, context, dirs = m_pluginDirs] {
            SoundFactory factory = loadSoundModule(dirs);
            QMetaObject::invokeMethod(
                context, [this] { (void)cues(); }, Qt::QueuedConnection);
            return factory;
        });
    }
}

SoundCues& SoundLoader::cues() {
    if (m_sound == nullptr) {
        SoundFactory factory = m_factory;
        if (!factory)
            factory = m_module.valid() ? m_module.get() : loadSoundModule(m_pluginDirs);
        m_sound = factory ? factory(m_finder, m_audio, m_beep) : nullptr;
        if (m_sound == nullptr)
            m_sound = alertOnlySounds(m_beep);
    }
    return *m_sound;
}

} // namespace tavolier
