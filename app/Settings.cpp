#include "app/Settings.h"

#include "base/TextConversions.h"
#include "sim/Palette.h"
#include "track/TrackLayout.h"

#include <cstdio>
#include <set>

namespace {

QString trainKey(const char* name, std::size_t train) {
    return QString::fromLatin1(name) + QString::number(train);
}

constexpr std::array<std::int32_t, kTrainSlots> kDefaultColorIndex = {3, 4, 5};
constexpr std::int32_t kDefaultLength = 5;
constexpr Color kDefaultNodeColor = kYellow;

// Whether "section/key" is one that the program reads or writes.
bool isVarnokKey(const QString& sectionAndKey) {
    static const std::set<QString> known = [] {
        std::set<QString> keys;
        const QString globals = QString::fromLatin1(kGlobalsSection) + QChar('/');
        for (const char* key : {"TrainControlled", "TrackColor", "NodeColor", "TrainCount"}) {
            keys.insert(globals + QString::fromLatin1(key));
        }
        for (std::size_t i = 0; i < kTrainSlots; ++i) {
            for (const char* key : {"TrainColor", "TrainLength", "HeadPos", "Ctrl", "Speed"}) {
                keys.insert(globals + trainKey(key, i));
            }
        }
        for (const WindowPlaceKeys& place : {kTrackMapPlace, kTrainControlPlace, kOverviewPlace}) {
            for (const char* key : {"Left", "Top"}) {
                keys.insert(QString::fromLatin1(place.section) + QChar('/') +
                            QString::fromLatin1(key));
            }
        }
        keys.insert(QString::fromLatin1(kTrainControlPlace.section) + QStringLiteral("/Height"));
        return keys;
    }();
    return known.contains(sectionAndKey);
}

} // namespace

void LoadSettings(SettingsStore& store, SharedState& state) {
    if (const auto problem = store.readProblem()) {
        const QString line = QStringLiteral("varnok: settings: %1: %2; every setting takes its "
                                            "default, and Quit leaves the file as it is\n")
                                 .arg(store.fileName(), *problem);
        std::fputs(line.toLocal8Bit().constData(), stderr);
    }
    store.warnAboutStrayKeys(isVarnokKey);
    const QString globals = QString::fromLatin1(kGlobalsSection);
    state.ControlledTrain =
        store.readLong(globals, QStringLiteral("TrainControlled"), 0, 0, kTrainSlots - 1);
    state.TrackColor = store.readLong(globals, QStringLiteral("TrackColor"), kWhite, 0, kWhite);
    // Read and checked like the other colours, but node cells keep their design yellow.
    store.readLong(globals, QStringLiteral("NodeColor"), kDefaultNodeColor, 0, kWhite);
    state.TrainCount = store.readLong(globals, QStringLiteral("TrainCount"), 1, 1, kTrainSlots);
    for (std::size_t i = 0; i < kTrainSlots; ++i) {
        state.TrainData[i].ColorIndex = store.readLong(globals, trainKey("TrainColor", i),
                                                       kDefaultColorIndex[i], 0, kPaletteSize - 1);
    }
    for (std::size_t i = 0; i < kTrainSlots; ++i) {
        state.TrainData[i].Length =
            store.readLong(globals, trainKey("TrainLength", i), kDefaultLength, 0, kBodyCapacity);
    }
    // A train must start on a node cell: from a plain cell it has no run to follow.
    for (std::size_t i = 0; i < kTrainSlots; ++i) {
        state.TrainData[i].HeadPos =
            store.readLong(globals, trainKey("HeadPos", i), kFirstNode + static_cast<CellIndex>(i),
                           kFirstNode, kLastNode);
    }
    for (std::size_t i = 0; i < kTrainSlots; ++i) {
        state.TrainData[i].Ctrl = store.readBoolean(globals, trainKey("Ctrl", i), i == 0);
    }
    for (std::size_t i = 0; i < kTrainSlots; ++i) {
        state.TrainData[i].Speed = store.readLong(globals, trainKey("Speed", i), 0);
    }
    state.Palette = BuildPalette();
}

void WriteQuitSettings(SettingsStore& store, const SharedState& state, const WindowPlaces& places) {
    const QString globals = QString::fromLatin1(kGlobalsSection);
    const QString overview = QString::fromLatin1(kOverviewPlace.section);
    const QString trackMap = QString::fromLatin1(kTrackMapPlace.section);
    const QString trainControl = QString::fromLatin1(kTrainControlPlace.section);
    const QString left = QStringLiteral("Left");
    const QString top = QStringLiteral("Top");

    store.writeText(globals, QStringLiteral("TrainCount"), longToText(state.TrainCount));
    store.writeText(overview, left, singleToText(places.overviewLeft));
    store.writeText(overview, top, singleToText(places.overviewTop));
    store.writeText(trackMap, left, singleToText(places.trackMapLeft));
    store.writeText(trackMap, top, singleToText(places.trackMapTop));
    store.writeText(trainControl, left, singleToText(places.trainControlLeft));
    store.writeText(trainControl, top, singleToText(places.trainControlTop));
    store.writeText(trainControl, QStringLiteral("Height"),
                    singleToText(places.trainControlHeight));
    for (std::size_t i = 0; i < kTrainSlots; ++i) {
        store.writeText(globals, trainKey("TrainColor", i),
                        longToText(state.TrainData[i].ColorIndex));
    }
}
