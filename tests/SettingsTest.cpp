#include "app/Settings.h"

#include "ScratchSettings.h"
#include "SmallDisk.h"
#include "app/SettingsDocument.h"
#include "app/SettingsPath.h"
#include "app/SettingsReport.h"
#include "base/TextConversions.h"
#include "sim/Palette.h"

#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <iostream>
#include <linux/fs.h>
#include <random>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>

namespace {

using testing::HasSubstr;

// The sentences of the warnings, a line each.
std::string linesOf(const std::vector<SettingsWarning>& warnings) {
    std::string lines;
    for (const QString& sentence : sentencesOf(warnings)) {
        lines += sentence.toStdString() + "\n";
    }
    return lines;
}

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// The store of the settings file where the environment puts it.
SettingsStore openStore() {
    return SettingsStore(QFile::encodeName(settingsFilePath()).toStdString());
}

class SettingsTest : public testing::Test {
protected:
    // Loads the shared state from the scratch store, returning the warnings, a line each.
    std::string load() {
        const SettingsStore store = openStore();
        std::vector<SettingsWarning> warnings = strayLines(store);
        for (SettingsWarning& warning : LoadSettings(store, state)) {
            warnings.push_back(std::move(warning));
        }
        return linesOf(warnings);
    }

    // Writes the state with every window at its default place, as a Quit right after
    // start-up would, and flushes; returns what went wrong.
    std::optional<FileFault> saveWithDefaultPlaces(SettingsStore& store) {
        KeptValues values;
        values.state = state;
        values.trackMap = {1000, 1110};
        values.trainControl = {1000, 5650};
        values.trainControlHeight = 1360;
        values.overview = {1000, 7950};
        WriteQuitSettings(store, values);
        return store.flush();
    }

    void storeGlobal(const char* key, const char* text) {
        settings.writeFile(QByteArray("[Globals]\n") + key + "=" + text + "\n");
    }

    ScratchSettings settings;
    SharedState state;
};

TEST_F(SettingsTest, EmptyStoreGivesTheDefaults) {
    EXPECT_EQ(load(), "");
    EXPECT_EQ(state.ControlledTrain, 0);
    EXPECT_EQ(state.TrackColor, 16777215);
    EXPECT_EQ(state.TrainCount, 1);
    const std::array<std::int32_t, 3> colors = {3, 4, 5};
    const std::array<CellIndex, 3> heads = {501, 502, 503};
    const std::array<bool, 3> flags = {true, false, false};
    for (std::size_t i = 0; i < 3; ++i) {
        const TrainRecord& train = state.TrainData[i];
        EXPECT_EQ(train.ColorIndex, colors[i]) << "train " << i;
        EXPECT_EQ(train.Length, 5) << "train " << i;
        EXPECT_EQ(train.HeadPos, heads[i]) << "train " << i;
        EXPECT_EQ(train.Ctrl, flags[i]) << "train " << i;
        EXPECT_EQ(train.Speed, 0) << "train " << i;
        // Nothing the store names: the run and the body wait for the first step.
        EXPECT_EQ(train.NextNode, 0);
        EXPECT_EQ(train.RunStart, 0);
        EXPECT_EQ(train.RunEnd, 0);
        EXPECT_TRUE(std::all_of(train.Body.begin(), train.Body.end(),
                                [](CellIndex cell) { return cell == 0; }));
    }
}

TEST_F(SettingsTest, StoredValuesWithinTheirRangesAreUsed) {
    settings.writeFile("[Globals]\n"
                       "TrainControlled=2\nTrackColor=0\nNodeColor=16777215\nTrainCount=3\n"
                       "TrainColor0=0\nTrainColor1=26\nTrainColor2=13\n"
                       "TrainLength0=0\nTrainLength1=501\nTrainLength2=1\n"
                       "HeadPos0=503\nHeadPos1=501\nHeadPos2=502\n"
                       "Ctrl0=False\nCtrl1=true\nCtrl2=-1\n"
                       "Speed0=-7\nSpeed1=100\nSpeed2=2147483647\n");
    EXPECT_EQ(load(), "");
    EXPECT_EQ(state.ControlledTrain, 2);
    EXPECT_EQ(state.TrackColor, 0);
    EXPECT_EQ(state.TrainCount, 3);
    EXPECT_EQ(state.TrainData[0].ColorIndex, 0);
    EXPECT_EQ(state.TrainData[1].ColorIndex, 26);
    EXPECT_EQ(state.TrainData[2].ColorIndex, 13);
    EXPECT_EQ(state.TrainData[0].Length, 0);
    EXPECT_EQ(state.TrainData[1].Length, 501);
    EXPECT_EQ(state.TrainData[2].Length, 1);
    EXPECT_EQ(state.TrainData[0].HeadPos, 503);
    EXPECT_EQ(state.TrainData[1].HeadPos, 501);
    EXPECT_EQ(state.TrainData[2].HeadPos, 502);
    EXPECT_FALSE(state.TrainData[0].Ctrl);
    EXPECT_TRUE(state.TrainData[1].Ctrl);
    EXPECT_TRUE(state.TrainData[2].Ctrl);
    EXPECT_EQ(state.TrainData[0].Speed, -7);
    EXPECT_EQ(state.TrainData[2].Speed, 2147483647);
}

TEST_F(SettingsTest, FlagTextsInAnyCaseOrAsNumbers) {
    const std::vector<std::pair<const char*, bool>> cases = {
        {"True", true}, {"true", true},   {"TRUE", true},   {"-1", true},
        {"2", true},    {"False", false}, {"false", false}, {"0", false}};
    for (const auto& [text, expected] : cases) {
        storeGlobal("Ctrl1", text);
        EXPECT_EQ(load(), "") << text;
        EXPECT_EQ(state.TrainData[1].Ctrl, expected) << text;
    }
}

TEST_F(SettingsTest, AFractionRoundsHalfToEven) {
    storeGlobal("TrainCount", "2.5");
    EXPECT_EQ(load(), "");
    EXPECT_EQ(state.TrainCount, 2);
    storeGlobal("TrainCount", "1.5");
    load();
    EXPECT_EQ(state.TrainCount, 2);
}

struct BadValue {
    const char* key;
    const char* text;
    std::string fallback;
};

TEST_F(SettingsTest, EachBadValueTakesItsDefaultWithOneWarningLine) {
    const std::vector<BadValue> cases = {
        {"TrainControlled", "3", "0"},
        {"TrainControlled", "-1", "0"},
        {"TrackColor", "16777216", "16777215"},
        {"TrackColor", "-1", "16777215"},
        {"NodeColor", "yellow", "65535"},
        {"TrainCount", "0", "1"},
        {"TrainCount", "4", "1"},
        {"TrainCount", "", "1"},
        {"TrainCount", "1,2", "1"},
        {"TrainColor0", "27", "3"},
        {"TrainColor1", "-1", "4"},
        {"TrainColor2", "five", "5"},
        {"TrainLength0", "502", "5"},
        {"TrainLength1", "-1", "5"},
        {"TrainLength2", "1e10", "5"},
        {"HeadPos0", "500", "501"},
        {"HeadPos1", "2", "502"},
        {"HeadPos2", "504", "503"},
        {"Ctrl0", "yes", "True"},
        {"Ctrl1", "", "False"},
        {"Speed2", "2147483648", "0"},
        {"Speed0", "fast", "0"},
    };
    for (const BadValue& bad : cases) {
        storeGlobal(bad.key, bad.text);
        const std::string warnings = load();
        EXPECT_EQ(std::count(warnings.begin(), warnings.end(), '\n'), 1) << warnings;
        EXPECT_THAT(warnings,
                    HasSubstr(std::string("[Globals] ") + bad.key + " = \"" + bad.text + "\""));
        EXPECT_THAT(warnings, HasSubstr("using " + bad.fallback));
    }
    // The values took their defaults: the last case left every other key unstored.
    EXPECT_EQ(state.TrainData[0].Speed, 0);
}

TEST_F(SettingsTest, BadValuesLeaveTheStateAtTheDefaults) {
    settings.writeFile("[Globals]\nTrainControlled=7\nTrainCount=0\nTrainColor1=99\n"
                       "TrainLength2=100000\nHeadPos0=1\nTrackColor=abc\n");
    load();
    EXPECT_EQ(state.ControlledTrain, 0);
    EXPECT_EQ(state.TrainCount, 1);
    EXPECT_EQ(state.TrainData[1].ColorIndex, 4);
    EXPECT_EQ(state.TrainData[2].Length, 5);
    EXPECT_EQ(state.TrainData[0].HeadPos, 501);
    EXPECT_EQ(state.TrackColor, 16777215);
}

TEST_F(SettingsTest, ARejectedTextIsShownOnOneLine) {
    storeGlobal("TrainCount", "\"2\\n3\"");
    const std::string warnings = load();
    EXPECT_EQ(std::count(warnings.begin(), warnings.end(), '\n'), 1) << warnings;
    EXPECT_THAT(warnings, HasSubstr("\"2\\n3\""));
}

TEST_F(SettingsTest, ADamagedFileNeverStopsStartUp) {
    settings.writeFile("[Globals]\nTrainCount=3\nthis line has no equals sign\n[broken\n"
                       "\x01\x02\xff\xfe=\x80\n");
    const std::string warnings = load();
    EXPECT_THAT(warnings, HasSubstr("Varnok.conf"));
    // What could be read is used.
    EXPECT_EQ(state.TrainCount, 3);
    EXPECT_EQ(state.TrainData[0].ColorIndex, 3);
}

TEST_F(SettingsTest, RandomBytesGiveTheDefaults) {
    QByteArray noise;
    std::uint32_t seed = 12345;
    for (int i = 0; i < 4096; ++i) {
        seed = seed * 1664525u + 1013904223u;
        noise.append(static_cast<char>(seed >> 24));
    }
    settings.writeFile(noise);
    load();
    EXPECT_GE(state.TrainCount, 1);
    EXPECT_LE(state.TrainCount, 3);
    EXPECT_EQ(state.Palette, BuildPalette());
}

TEST_F(SettingsTest, AnUnreadableStoreGivesTheDefaultsAndSaysSo) {
    // A folder where the file should be cannot be read, even by root.
    QDir().mkpath(settings.filePath());
    const std::string warnings = load();
    EXPECT_THAT(warnings, HasSubstr("Varnok.conf"));
    EXPECT_THAT(warnings, HasSubstr("cannot be read"));
    EXPECT_EQ(state.TrainCount, 1);
}

TEST_F(SettingsTest, WindowMeasuresMustBeFiniteNumbers) {
    settings.writeFile("[frmTrackMap]\nLeft=1007.5\nTop=1e39\n[frmOverview]\nLeft=nan\n"
                       "Top=-3.25\n");
    const SettingsStore store = openStore();
    KeptValues values;
    std::vector<SettingsWarning> read = readSection(store, kTrackMapSection, values);
    for (SettingsWarning& warning : readSection(store, kOverviewSection, values)) {
        read.push_back(std::move(warning));
    }
    EXPECT_EQ(values.trackMap.left, 1007.5f);
    EXPECT_EQ(values.trackMap.top, 1110.0f);
    EXPECT_EQ(values.overview.left, 1000.0f);
    EXPECT_EQ(values.overview.top, -3.25f);
    const std::string warnings = linesOf(read);
    EXPECT_THAT(warnings, HasSubstr("[frmTrackMap] Top = \"1e39\""));
    EXPECT_THAT(warnings, HasSubstr("[frmOverview] Left = \"nan\""));
    EXPECT_EQ(std::count(warnings.begin(), warnings.end(), '\n'), 2);
}

TEST_F(SettingsTest, QuitWritesExactlyTheElevenValuesAsPlainText) {
    SettingsStore store = openStore();
    LoadSettings(store, state);
    KeptValues values;
    values.state = state;
    values.state.TrainCount = 2;
    values.state.TrainData[2].ColorIndex = 26;
    values.state.TrainData[1].Length = 77; // lengths are not kept
    values.overview = {1000, 7950};
    values.trackMap = {1007.5f, 1110};
    values.trainControl = {-15, 5650};
    values.trainControlHeight = 1960;
    WriteQuitSettings(store, values);
    EXPECT_EQ(store.flush(), std::nullopt);

    QStringList keys = settings.storedKeys();
    keys.sort();
    EXPECT_EQ(keys,
              QStringList({"Globals/TrainColor0", "Globals/TrainColor1", "Globals/TrainColor2",
                           "Globals/TrainCount", "frmOverview/Left", "frmOverview/Top",
                           "frmTrackMap/Left", "frmTrackMap/Top", "frmTrainControl/Height",
                           "frmTrainControl/Left", "frmTrainControl/Top"}));
    EXPECT_EQ(settings.stored("Globals/TrainCount"), QVariant(QStringLiteral("2")));
    EXPECT_EQ(settings.stored("Globals/TrainColor2"), QVariant(QStringLiteral("26")));
    EXPECT_EQ(settings.stored("frmTrackMap/Left"), QVariant(QStringLiteral("1007.5")));
    EXPECT_EQ(settings.stored("frmTrackMap/Top"), QVariant(QStringLiteral("1110")));
    EXPECT_EQ(settings.stored("frmTrainControl/Left"), QVariant(QStringLiteral("-15")));
    EXPECT_EQ(settings.stored("frmTrainControl/Height"), QVariant(QStringLiteral("1960")));

    // The next start reads them back; what Quit does not keep starts from its default.
    SharedState next;
    SettingsStore reopened = openStore();
    LoadSettings(reopened, next);
    EXPECT_EQ(next.TrainCount, 2);
    EXPECT_EQ(next.TrainData[2].ColorIndex, 26);
    EXPECT_EQ(next.TrainData[1].Length, 5);
}

// Files as editors and other programs write them: each is read as its user meant it, saved
// by a Quit that changed the number of trains and a colour, and read again. The save changes
// only the two values, keeps every other byte, and ends the lines it adds as the file does.
TEST_F(SettingsTest, FilesOfEveryFormAreReadSavedAndReadAgainAsMeant) {
    struct Case {
        const char* what;
        std::string file;
        std::int32_t trainCount;
        float trackMapLeft;
        std::string warning; // of the first read; none again
        std::string savedHead;
        std::string addedLineEnd;
    };
    const std::vector<Case> cases = {
        {"mixed line ends", "[Globals]\r\nTrainCount=3\rUserKey=precious\r\nTrainColor0=9\n", 3,
         1000, "\"[Globals] UserKey\" is not a Varnok setting; it is kept as it is",
         "[Globals]\r\nTrainCount=2\rUserKey=precious\r\nTrainColor0=26\n", "\r\n"},
        {"a byte-order mark", "\xEF\xBB\xBF[Globals]\nTrainCount=3\nTrainColor0=9\n", 3, 1000, "",
         "\xEF\xBB\xBF[Globals]\nTrainCount=2\nTrainColor0=26\n", "\n"},
        {"carriage returns alone",
         "[Globals]\rTrainCount=3\rTrainColor0=9\r[frmTrackMap]\rLeft=1500\r", 3, 1500, "",
         "[Globals]\rTrainCount=2\rTrainColor0=26\r", "\r"},
        {"carriage returns and line feeds", "[Globals]\r\nTrainCount=3\r\nTrainColor0=9\r\n", 3,
         1000, "", "[Globals]\r\nTrainCount=2\r\nTrainColor0=26\r\n", "\r\n"},
        {"comments after values",
         "[Globals]\nTrainCount=3 ; three trains\nTrainColor0 = \"9\" ;mine\n", 3, 1000, "",
         "[Globals]\nTrainCount=2 ; three trains\nTrainColor0 = 26 ;mine\n", "\n"},
        {"a fractional place", "[frmTrackMap]\nLeft=1000.123456\r\n[Globals]\nTrainCount=3\n", 3,
         1000.123456f, "", "[frmTrackMap]\nLeft=1000.123\r\n", "\n"},
    };
    for (const Case& c : cases) {
        settings.writeFile(QByteArray::fromStdString(c.file));
        std::vector<SettingsWarning> warnings = strayLines(openStore());
        SettingsStore store = openStore();
        KeptValues values;
        for (const std::string_view section : {kGlobalsSection, kTrackMapSection}) {
            for (SettingsWarning& warning : readSection(store, section, values)) {
                warnings.push_back(std::move(warning));
            }
        }
        EXPECT_EQ(linesOf(warnings), c.warning.empty() ? "" : "settings: " + c.warning + "\n")
            << c.what;
        EXPECT_EQ(values.state.TrainCount, c.trainCount) << c.what;
        EXPECT_EQ(values.trackMap.left, c.trackMapLeft) << c.what;

        values.state.TrainCount = 2;
        values.state.TrainData[0].ColorIndex = 26;
        WriteQuitSettings(store, values);
        ASSERT_EQ(store.flush(), std::nullopt) << c.what;
        const std::string saved = contentsOf(settings.filePath()).toStdString();
        EXPECT_TRUE(saved.starts_with(c.savedHead)) << c.what << ":\n" << saved;
        std::string added = saved.substr(c.savedHead.size());
        for (std::size_t end = 0; (end = added.find(c.addedLineEnd)) != std::string::npos;) {
            added.erase(end, c.addedLineEnd.size());
        }
        EXPECT_EQ(added.find_first_of("\r\n"), std::string::npos) << c.what << ":\n" << saved;

        const SettingsStore again = openStore();
        KeptValues reread;
        EXPECT_EQ(linesOf(readSection(again, kGlobalsSection, reread)), "") << c.what;
        readSection(again, kTrackMapSection, reread);
        EXPECT_EQ(reread.state.TrainCount, 2) << c.what;
        EXPECT_EQ(reread.state.TrainData[0].ColorIndex, 26) << c.what;
        EXPECT_EQ(singleToText(reread.trackMap.left), singleToText(c.trackMapLeft)) << c.what;
    }
}

TEST_F(SettingsTest, QuitKeepsKeysItDoesNotWrite) {
    settings.writeFile("[Globals]\nTrainLength0=9\nSomethingElse=kept\n[Elsewhere]\nx=1\n");
    SettingsStore store = openStore();
    LoadSettings(store, state);
    EXPECT_EQ(saveWithDefaultPlaces(store), std::nullopt);
    EXPECT_EQ(settings.stored("Globals/TrainLength0"), QVariant(QStringLiteral("9")));
    EXPECT_EQ(settings.stored("Globals/SomethingElse"), QVariant(QStringLiteral("kept")));
    EXPECT_EQ(settings.stored("Elsewhere/x"), QVariant(QStringLiteral("1")));
}

TEST_F(SettingsTest, ASaveOverADamagedFileSucceeds) {
    settings.writeFile("[Globals]\nnot a setting\nTrainCount=2\n");
    SettingsStore store = openStore();
    LoadSettings(store, state);
    EXPECT_EQ(saveWithDefaultPlaces(store), std::nullopt);
    EXPECT_EQ(settings.stored("Globals/TrainCount"), QVariant(QStringLiteral("2")));
}

TEST_F(SettingsTest, AFailedSaveIsReported) {
    QDir().mkpath(settings.filePath());
    SettingsStore store = openStore();
    EXPECT_NE(saveWithDefaultPlaces(store), std::nullopt);
}

TEST_F(SettingsTest, AFailedSaveOverADamagedFileIsReported) {
    // The damage is met first; the failed write must not hide behind it.
    settings.writeFile("[Globals]\nnot a setting\n");
    SettingsStore store = openStore();
    LoadSettings(store, state);
    QFile::remove(settings.filePath());
    QDir().mkpath(settings.filePath());
    EXPECT_NE(saveWithDefaultPlaces(store), std::nullopt);
}

ino_t inodeOf(const QString& path) {
    struct stat status {};
    EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &status), 0);
    return status.st_ino;
}

// The earlier file as Quit found it, with a key of its own that the save must carry over.
QByteArray earlierFile(int noteLength) {
    return "[Globals]\nTrainCount=2\n[Notes]\nText=" + QByteArray(noteLength, 'n') + "\n";
}

TEST_F(SettingsTest, ASaveRenamesANewFileOverTheOldOne) {
    settings.writeFile(earlierFile(100));
    const auto inodeBefore = inodeOf(settings.filePath());
    SettingsStore store = openStore();
    LoadSettings(store, state);
    EXPECT_EQ(saveWithDefaultPlaces(store), std::nullopt);
    EXPECT_NE(inodeOf(settings.filePath()), inodeBefore);
    EXPECT_EQ(settings.stored("Notes/Text"), QVariant(QString(100, QChar('n'))));
    // Nothing of the save is left beside the file.
    EXPECT_EQ(QFileInfo(settings.filePath()).dir().entryList(QDir::Files | QDir::Hidden),
              QStringList({"Varnok.conf"}));
}

TEST_F(SettingsTest, ASaveThatStopsOnAFullDiskLeavesTheEarlierFileWhole) {
    SmallDisk disk(256);
    if (disk.whyNot()) {
        GTEST_SKIP() << *disk.whyNot();
    }
    useConfigFolder(disk.path());
    const QString path = disk.path() + QStringLiteral("/Varnok/Varnok.conf");
    ASSERT_TRUE(QDir().mkpath(disk.path() + QStringLiteral("/Varnok")));
    const QByteArray earlier = earlierFile(40 * 1024);
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(earlier), earlier.size());
    }
    // Room for a part of the new file only.
    disk.fillLeaving(12);

    SettingsStore store = openStore();
    LoadSettings(store, state);
    state.TrainCount = 3;
    EXPECT_NE(saveWithDefaultPlaces(store), std::nullopt);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll() == earlier);
    EXPECT_EQ(QDir(disk.path() + QStringLiteral("/Varnok")).entryList(QDir::Files | QDir::Hidden),
              QStringList({"Varnok.conf"}));

    // With room again the same save goes through: space was all it lacked.
    disk.empty();
    SettingsStore again = openStore();
    LoadSettings(again, state);
    state.TrainCount = 3;
    EXPECT_EQ(saveWithDefaultPlaces(again), std::nullopt);
    EXPECT_EQ(QSettings(path, QSettings::IniFormat).value("Globals/TrainCount"),
              QVariant(QStringLiteral("3")));
}

TEST_F(SettingsTest, AFirstSaveOnAFullDiskLeavesNoFileBehind) {
    SmallDisk disk(64);
    if (disk.whyNot()) {
        GTEST_SKIP() << *disk.whyNot();
    }
    useConfigFolder(disk.path());
    ASSERT_TRUE(QDir().mkpath(disk.path() + QStringLiteral("/Varnok")));
    disk.fillLeaving(0);
    SettingsStore store = openStore();
    LoadSettings(store, state);
    EXPECT_NE(saveWithDefaultPlaces(store), std::nullopt);
    EXPECT_EQ(QDir(disk.path() + QStringLiteral("/Varnok")).entryList(QDir::Files | QDir::Hidden),
              QStringList());
}

TEST_F(SettingsTest, ASaveOverAFileOfDamagedLinesSucceeds) {
    // Bytes of every kind, with the line breaks, brackets and equals signs of a settings file
    // among them: keys that Qt reads in one form and writes in another.
    std::mt19937 random(6);
    for (int file = 0; file < 20; ++file) {
        QByteArray bytes;
        for (int i = 0; i < 2000; ++i) {
            const auto roll = random() % 10;
            bytes.append(roll == 0   ? '\n'
                         : roll == 1 ? '='
                         : roll == 2 ? '['
                         : roll == 3 ? ']'
                                     : char(random()));
        }
        settings.writeFile(bytes);
        SettingsStore store = openStore();
        LoadSettings(store, state);
        state.TrainCount = 2;
        EXPECT_EQ(saveWithDefaultPlaces(store), std::nullopt) << "file " << file;
        EXPECT_EQ(settings.fileValues().value(QStringLiteral("Globals/TrainCount")),
                  QStringLiteral("2"));
    }
}

TEST_F(SettingsTest, DuplicateAndUnknownKeysDoNotStopStartUp) {
    settings.writeFile("[Globals]\nTrainCount=2\nTrainCount=3\nTrainColor0=9\nTrainColor0=x\n"
                       "Whistle=loud\n[Elsewhere]\nKey=1\n[Globals]\nTrainLength1=7\n");
    const std::string warnings = load();
    // Of a key given twice the last one counts, checked like any other value.
    EXPECT_EQ(state.TrainCount, 3);
    EXPECT_EQ(state.TrainData[0].ColorIndex, 3);
    EXPECT_THAT(warnings, HasSubstr("[Globals] TrainColor0 = \"x\""));
    EXPECT_EQ(state.TrainData[1].Length, 7);
    // Each key given twice, and each key the program does not know, is named once; they are
    // kept in the file.
    EXPECT_THAT(warnings,
                HasSubstr("\"[Globals] TrainCount\" is given 2 times; the last one counts"));
    EXPECT_THAT(warnings, HasSubstr("\"[Globals] TrainColor0\" is given 2 times"));
    EXPECT_THAT(warnings, HasSubstr("\"[Globals] Whistle\" is not a Varnok setting; it is kept"));
    EXPECT_THAT(warnings, HasSubstr("\"[Elsewhere] Key\" is not a Varnok setting"));
    EXPECT_EQ(std::count(warnings.begin(), warnings.end(), '\n'), 5) << warnings;
}

TEST_F(SettingsTest, EveryKeyTheProgramUsesIsKnown) {
    settings.writeFile("[Globals]\nTrainControlled=0\nTrackColor=0\nNodeColor=0\nTrainCount=1\n"
                       "TrainColor0=1\nTrainColor1=1\nTrainColor2=1\nTrainLength0=1\n"
                       "TrainLength1=1\nTrainLength2=1\nHeadPos0=501\nHeadPos1=501\n"
                       "HeadPos2=501\nCtrl0=1\nCtrl1=1\nCtrl2=1\nSpeed0=1\nSpeed1=1\nSpeed2=1\n"
                       "[frmTrackMap]\nLeft=1\nTop=1\n[frmTrainControl]\nLeft=1\nTop=1\n"
                       "Height=1360\n[frmOverview]\nLeft=1\nTop=1\n");
    EXPECT_EQ(load(), "");
}

TEST_F(SettingsTest, AFileFullOfStrayKeysGetsAFewLines) {
    QByteArray file("[Globals]\n");
    for (int i = 0; i < 50; ++i) {
        file += "Stray" + QByteArray::number(i) + "=1\n";
    }
    settings.writeFile(file + "TrainCount=2\n");
    const std::string warnings = load();
    EXPECT_EQ(std::count(warnings.begin(), warnings.end(), '\n'), 11) << warnings;
    EXPECT_THAT(warnings, HasSubstr("40 more keys given twice or unknown"));
    EXPECT_EQ(state.TrainCount, 2);
}

TEST(RepeatedKeys, AreFoundWithinASectionAndAcrossItsReturns) {
    // "[broken" opens a section as well, to the end of its line.
    const std::string text = "top=1\n top = 2\n[Globals]\nA=1\r\n; A=comment\n# A=comment\nB=1\n"
                             "[Other]\nA=1\nno equals sign\n[broken\nA=2\n[ Globals ]\nA=3\n"
                             "B=2\nC=1\n";
    const std::vector<RepeatedKey> expected = {
        {"General", "top", 2}, {"Globals", "A", 2}, {"Globals", "B", 2}};
    EXPECT_EQ(findRepeatedKeys(text), expected);
    EXPECT_TRUE(findRepeatedKeys("").empty());
    EXPECT_TRUE(findRepeatedKeys("[Globals]\nA=1\nB=1\n[Other]\nA=1").empty());
    EXPECT_EQ(findRepeatedKeys("A=1\nA=2\nA=3"), (std::vector<RepeatedKey>{{"General", "A", 3}}));
}

TEST(Palette, HoldsTheTwentySevenLevelsWithBlueFastest) {
    const auto palette = BuildPalette();
    EXPECT_EQ(palette[0], 0x000000);
    EXPECT_EQ(palette[1], 0x7F0000);
    EXPECT_EQ(palette[3], 0x007F00);
    EXPECT_EQ(palette[4], 0x7F7F00);
    EXPECT_EQ(palette[5], 0xFE7F00);
    EXPECT_EQ(palette[9], 0x00007F);
    EXPECT_EQ(palette[13], 0x7F7F7F);
    EXPECT_EQ(palette[26], 0xFEFEFE);
    for (int r = 0; r < 3; ++r) {
        for (int g = 0; g < 3; ++g) {
            for (int b = 0; b < 3; ++b) {
                EXPECT_EQ(palette[static_cast<std::size_t>(9 * r + 3 * g + b)],
                          127 * r + 256 * 127 * g + 65536 * 127 * b);
            }
        }
    }
    EXPECT_EQ(std::count(palette.begin(), palette.end(), 0xFFFFFF), 0);
}

TEST_F(SettingsTest, ThePaletteDoesNotDependOnTheStore) {
    settings.writeFile("[Globals]\nPalette=1\nTrainColor0=0\n");
    load();
    EXPECT_EQ(state.Palette, BuildPalette());
}

} // namespace

namespace {

void writeBytes(const QString& path, const QByteArray& contents) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(contents), contents.size());
}

// The files of a folder, hidden ones too, but a filler of a full disk.
QStringList filesIn(const QString& folder) {
    QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    files.removeAll(QStringLiteral("filler"));
    return files;
}

TEST_F(SettingsTest, ASaveCarriesEveryLineItDoesNotWriteOverAsItIs) {
    settings.writeFile("; comment\n[Globals]\r\nTrainCount=2\r\nnot a setting\nWhistle = loud \n"
                       "\n[Other]\nx=\"a,b\"");
    SettingsStore store = openStore();
    store.write("Globals", "TrainCount", "3");
    store.write("Globals", "TrainColor0", "7");
    store.write("New", "Key", "1");
    EXPECT_EQ(store.flush(), std::nullopt);
    EXPECT_EQ(contentsOf(settings.filePath()),
              "; comment\n[Globals]\r\nTrainCount=3\r\nnot a setting\nWhistle = loud \n"
              "TrainColor0=7\n\n[Other]\nx=\"a,b\"\n\n[New]\nKey=1\n");
}

// Quit over a settings file that is a symbolic link: the link stays, and the file it leads to
// gets the new values, or keeps every byte it had when the disk is too full for them.
TEST_F(SettingsTest, ASaveThroughASymbolicLinkReplacesItsTargetOrLeavesItWhole) {
    SmallDisk disk(256);
    if (disk.whyNot()) {
        GTEST_SKIP() << *disk.whyNot();
    }
    const QString folder = disk.path() + QStringLiteral("/dotfiles");
    const QString target = folder + QStringLiteral("/varnok.conf");
    const QString hop = folder + QStringLiteral("/hop.conf");
    const QByteArray earlier = earlierFile(6 * 1024);
    for (const char* kind : {"absolute", "relative", "a chain of two"}) {
        settings.writeFile({});
        QFile::remove(settings.filePath());
        QFile::remove(hop);
        disk.empty();
        writeBytes(target, earlier);
        QString leadsTo = target;
        if (kind == std::string("relative")) {
            leadsTo = QFileInfo(settings.filePath()).dir().relativeFilePath(target);
        } else if (kind == std::string("a chain of two")) {
            QFile::link(QStringLiteral("varnok.conf"), hop);
            leadsTo = hop;
        }
        ASSERT_TRUE(QFile::link(leadsTo, settings.filePath())) << kind;
        const QStringList files = filesIn(folder);

        disk.fillLeaving(4);
        SettingsStore store = openStore();
        LoadSettings(store, state);
        state.TrainCount = 3;
        EXPECT_NE(saveWithDefaultPlaces(store), std::nullopt) << kind;
        EXPECT_TRUE(contentsOf(target) == earlier) << kind;
        EXPECT_EQ(filesIn(folder), files) << kind;

        disk.empty();
        SettingsStore again = openStore();
        LoadSettings(again, state);
        state.TrainCount = 3;
        EXPECT_EQ(saveWithDefaultPlaces(again), std::nullopt) << kind;
        EXPECT_EQ(QFile::symLinkTarget(settings.filePath()),
                  QFileInfo(leadsTo).isRelative() ? QFileInfo(target).filePath() : leadsTo)
            << kind;
        EXPECT_EQ(settings.fileValues().value("Globals/TrainCount"), "3") << kind;
        EXPECT_EQ(settings.fileValues().value("Notes/Text").size(), 6 * 1024) << kind;
    }
}

TEST_F(SettingsTest, ASaveOnANearlyFullDiskWithoutHardLinksLeavesTheEarlierFileWhole) {
    ExfatDisk disk(4);
    if (disk.whyNot()) {
        GTEST_SKIP() << *disk.whyNot();
    }
    useConfigFolder(disk.path());
    const QString path = disk.path() + QStringLiteral("/Varnok/Varnok.conf");
    const QByteArray earlier = earlierFile(6 * 1024);
    writeBytes(path, earlier);
    disk.fillLeaving(4);
    SettingsStore store = openStore();
    LoadSettings(store, state);
    EXPECT_NE(saveWithDefaultPlaces(store), std::nullopt);
    EXPECT_TRUE(contentsOf(path) == earlier);
    EXPECT_EQ(filesIn(disk.path() + QStringLiteral("/Varnok")), QStringList({"Varnok.conf"}));

    disk.empty();
    SettingsStore again = openStore();
    LoadSettings(again, state);
    state.TrainCount = 3;
    EXPECT_EQ(saveWithDefaultPlaces(again), std::nullopt);
    EXPECT_THAT(contentsOf(path).toStdString(), HasSubstr("TrainCount=3\n"));
    EXPECT_THAT(contentsOf(path).toStdString(), HasSubstr(earlier.right(100).toStdString()));
}

// Sets the inode flags of `folder` (FS_APPEND_FL, ...); whether the file system let it.
bool setFlags(const QString& folder, int flags) {
    const int descriptor = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    const bool set = descriptor >= 0 && ::ioctl(descriptor, FS_IOC_SETFLAGS, &flags) == 0;
    ::close(descriptor);
    return set;
}

// Saves that fail before a byte is written: the earlier file stays, nothing is left beside it,
// and the failure is told.
TEST_F(SettingsTest, ASaveThatCannotMakeItsNewFileLeavesTheEarlierOne) {
    const QByteArray earlier = earlierFile(100);
    QString appendOnly;
    const auto undoFlags = qScopeGuard([&] {
        if (!appendOnly.isEmpty()) {
            setFlags(appendOnly, 0);
        }
    });
    struct Case {
        const char* what;
        std::function<std::optional<QString>()> prepare; // the settings file, or why to skip
        const char* reason;
    };
    SmallDisk disk(64);
    const std::vector<Case> cases = {
        {"a folder in the new file's place",
         [&]() -> std::optional<QString> {
             settings.writeFile(earlier);
             QDir().mkpath(QFileInfo(settings.filePath()).path() +
                           QStringLiteral("/.Varnok.conf.saving-%1").arg(::getpid()));
             return settings.filePath();
         },
         "File exists"},
        {"a read-only file system",
         [&]() -> std::optional<QString> {
             if (disk.whyNot()) {
                 return std::nullopt;
             }
             useConfigFolder(disk.path());
             writeBytes(disk.path() + QStringLiteral("/Varnok/Varnok.conf"), earlier);
             return disk.makeReadOnly() ? std::optional(disk.path() + "/Varnok/Varnok.conf")
                                        : std::nullopt;
         },
         "Read-only file system"},
        {"a path that the new file's name takes past the longest a path can be",
         [&]() -> std::optional<QString> {
             settings.writeFile({});
             QString folder = QFileInfo(settings.filePath()).path();
             const int longest = 4095 - int(strlen("/Varnok/Varnok.conf"));
             while (folder.size() < longest - 2) {
                 folder += '/' + QString(std::min<qsizetype>(200, longest - folder.size() - 1),
                                         QChar('f'));
             }
             useConfigFolder(folder);
             writeBytes(folder + QStringLiteral("/Varnok/Varnok.conf"), earlier);
             return folder + QStringLiteral("/Varnok/Varnok.conf");
         },
         "File name too long"},
        {"a file the save would take past the most that is read",
         [&]() -> std::optional<QString> {
             settings.writeFile(earlierFile(int(kLargestSettingsFile) - 64));
             return settings.filePath();
         },
         "larger than a settings file can be"},
        {"an append-only folder",
         [&]() -> std::optional<QString> {
             settings.writeFile(earlier);
             appendOnly = QFileInfo(settings.filePath()).path();
             return setFlags(appendOnly, FS_APPEND_FL) ? std::optional(settings.filePath())
                                                       : std::nullopt;
         },
         "append-only"},
    };
    for (const Case& c : cases) {
        const auto path = c.prepare();
        if (!path) {
            std::cout << "skipped: " << c.what << "\n";
            continue;
        }
        const QByteArray before = contentsOf(*path);
        SettingsStore store = openStore();
        LoadSettings(store, state);
        const auto failure = saveWithDefaultPlaces(store);
        ASSERT_NE(failure, std::nullopt) << c.what;
        EXPECT_THAT(sentenceOf(NotSaved{store.path(), *failure}).toStdString(), HasSubstr(c.reason))
            << c.what;
        EXPECT_TRUE(contentsOf(*path) == before) << c.what;
        EXPECT_EQ(QFileInfo(*path).dir().entryList(QDir::Files | QDir::Hidden).join(' '),
                  QFileInfo(*path).fileName())
            << c.what;
    }
}

// Another user who watches the folder never finds the new file of a private settings file
// open to them, not even for the moment between its making and its taking the earlier mode.
TEST_F(SettingsTest, TheNewFileOfAPrivateFileIsNeverOpenToOthers) {
    settings.writeFile(earlierFile(100));
    const QByteArray path = QFile::encodeName(settings.filePath());
    ASSERT_EQ(::chmod(path.constData(), 0600), 0);
    const mode_t umaskBefore = ::umask(022);
    const QByteArray temporary = QFile::encodeName(QFileInfo(settings.filePath()).path()) +
                                 "/.Varnok.conf.saving-" + QByteArray::number(::getpid());
    std::atomic<bool> saving = true;
    std::atomic<int> looks = 0;
    mode_t seen = 0;
    std::thread watcher([&] {
        for (struct stat status{}; saving; ++looks) {
            if (::stat(temporary.constData(), &status) == 0) {
                seen |= status.st_mode & 07777;
            }
        }
    });
    for (int save = 0; save < 50; ++save) {
        SettingsStore store = openStore();
        LoadSettings(store, state);
        EXPECT_EQ(saveWithDefaultPlaces(store), std::nullopt);
    }
    saving = false;
    watcher.join();
    ::umask(umaskBefore);
    struct stat saved {};
    ASSERT_EQ(::stat(path.constData(), &saved), 0);
    EXPECT_GT(looks, 0);
    EXPECT_EQ(seen & 0077, mode_t(0));
    EXPECT_EQ(saved.st_mode & 07777, mode_t(0600));
}

TEST_F(SettingsTest, LeftoversOfKilledSavesAreRemovedButNotThoseOfRunningOnes) {
    settings.writeFile(earlierFile(10));
    const QString folder = QFileInfo(settings.filePath()).path();
    // A process that has ended: its number names no process now.
    const pid_t ended = ::fork();
    if (ended == 0) {
        std::_Exit(0);
    }
    ::waitpid(ended, nullptr, 0);
    const QStringList kept = {QStringLiteral(".Varnok.conf.saving-%1").arg(::getppid()),
                              QStringLiteral(".Varnok.conf.saving-12ab"),
                              QStringLiteral("Varnok.conf.saving-%1").arg(ended)};
    for (const QString& name :
         kept + QStringList{QStringLiteral(".Varnok.conf.saving-%1").arg(ended)}) {
        writeBytes(folder + '/' + name, "left over");
    }
    SettingsStore store = openStore();
    store.removeLeftovers();
    QStringList expected = kept + QStringList{QStringLiteral("Varnok.conf")};
    expected.sort();
    EXPECT_EQ(filesIn(folder), expected);
}

} // namespace
