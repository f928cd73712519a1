#include "app/settings/ZorvelSettings.h"

#include "app/settings/settingsvalues.h"
#include "app/settings/zoom.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <algorithm>
#include <limits>

namespace {

const QString kGroup = QStringLiteral("Zorvel20/");
const QString kExtras = QStringLiteral("Extras/");
const QString kArabicFont = QStringLiteral("ArabicFont");
const QString kZoom = QStringLiteral("Zoom");
const QString kRecallFirst = QStringLiteral("RecallFirst");
const QString kRecallCue = QStringLiteral("RecallCue");
const QString kLookAlikes = QStringLiteral("LookAlikes");
const QString kSecondHalves = QStringLiteral("SecondHalves");
const QString kWriteMarks = QStringLiteral("WriteMarks");
const QString kLanguage = QStringLiteral("Language");
const QString kRetention = QStringLiteral("Retention");
const QString kLongestPassage = QStringLiteral("LongestPassage");
const QString kNewPerDay = QStringLiteral("NewPerDay");
const QString kPassagesBy = QStringLiteral("PassagesBy");
const QString kDivisionsPerDay = QStringLiteral("DivisionsPerDay");
const QString kLearnBy = QStringLiteral("LearnBy");
const QString kCycleBy = QStringLiteral("CycleBy");
const QString kCycleDays = QStringLiteral("CycleDays");
const QString kRepeatEach = QStringLiteral("RepeatEach");
const QString kRepeatRange = QStringLiteral("RepeatRange");
const QString kRecitationGap = QStringLiteral("RecitationGap");
const QString kRecitationRate = QStringLiteral("RecitationRate");
const QString kTesterPlays = QStringLiteral("TesterPlays");
const QString kRecite = QStringLiteral("Recite");
// Each list's recitation folder, under its path made one key.
const QString kRecitationFolders = QStringLiteral("RecitationFolders/");
const QString kShare = QStringLiteral("Share/");
const QString kTodayAtStart = QStringLiteral("TodayAtStart");
const QString kTodayRecalls = QStringLiteral("TodayRecalls");

const QString kFromRange = QStringLiteral("FromRange");
const QString kToRange = QStringLiteral("ToRange");
const QString kActiveTab = QStringLiteral("ActiveTab");
const QString kListerSpeed = QStringLiteral("ListerSpeed");
const QString kRestartListing = QStringLiteral("RestartListing");
const QString kLastOpenFolder = QStringLiteral("LastOpenFolder");
const QString kSplitPercent = QStringLiteral("splitpercent");
const QString kRecentFiles = QStringLiteral("MRUF");

constexpr int kNoIndex = -1;
constexpr int kMaxInt = std::numeric_limits<int>::max();

} // namespace

QString ZorvelSettings::defaultFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/corvant/Zorvel.conf");
}

namespace {

// A settings file that is there but is not a regular file (a pipe would block start-up for
// ever, a device never end) is not read.
bool isReadable(const QString& filePath)
{
    const QFileInfo file(filePath);
    return !file.exists() || file.isFile();
}

} // namespace

ZorvelSettings::ZorvelSettings(const QString& filePath)
    : m_filePath(filePath)
    , m_ignored(!isReadable(filePath))
    , m_store(m_ignored ? QString() : filePath, QSettings::IniFormat)
{
}

QString ZorvelSettings::trouble() const
{
    if (m_ignored)
        return QCoreApplication::translate(
                   "ZorvelSettings", "The settings file \u201C%1\u201D is not a regular file, so "
                                     "Zorvel neither reads nor keeps its settings there.")
            .arg(m_filePath);
    // A damaged file is read as far as it goes and written afresh: only a failed write is told.
    if (m_store.status() == QSettings::AccessError)
        return QCoreApplication::translate("ZorvelSettings",
                                           "The settings could not be kept in \u201C%1\u201D: "
                                           "its folder cannot be written, or the disk is full.")
            .arg(m_filePath);
    return {};
}

QString ZorvelSettings::text(const QString& key, const QString& group) const
{
    const QVariant value = m_store.value((group.isEmpty() ? kGroup : group) + key);
    // An INI value with an unquoted comma comes back as a list: take the text as written.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

// A value set as it stands is not written again: opening the most recent list at start-up
// sets its folder and the recent files unchanged, and the file need not be rewritten for it.
void ZorvelSettings::setText(const QString& key, const QString& value, const QString& group)
{
    const QString path = (group.isEmpty() ? kGroup : group) + key;
    const QVariant stored = m_store.value(path);
    if (stored.typeId() == QMetaType::QString && stored.toString() == value)
        return;
    m_store.setValue(path, value);
}

int ZorvelSettings::fromRange() const
{
    return settingsvalues::wholeNumber(text(kFromRange), kNoIndex, kMaxInt, kNoIndex);
}

int ZorvelSettings::toRange() const
{
    return settingsvalues::wholeNumber(text(kToRange), kNoIndex, kMaxInt, kNoIndex);
}

int ZorvelSettings::activeTab() const
{
    return settingsvalues::wholeNumber(text(kActiveTab), 1, 3, 3);
}

int ZorvelSettings::listerSpeed() const
{
    return settingsvalues::wholeNumber(text(kListerSpeed), 0, 6, 3);
}

bool ZorvelSettings::restartListing() const
{
    return settingsvalues::wholeNumber(text(kRestartListing), 0, 1, 1) == 1;
}

QString ZorvelSettings::lastOpenFolder(const QString& fallback) const
{
    const QString folder = text(kLastOpenFolder);
    return folder.isEmpty() ? fallback : folder;
}

int ZorvelSettings::splitPercent() const
{
    // Beyond 100 the second pane would get a negative height.
    return settingsvalues::roundedNumber(text(kSplitPercent), 0, 100, 60);
}

QString ZorvelSettings::recentFiles() const
{
    return text(kRecentFiles);
}

void ZorvelSettings::setFromRange(int index)
{
    setText(kFromRange, QString::number(index));
}

void ZorvelSettings::setToRange(int index)
{
    setText(kToRange, QString::number(index));
}

void ZorvelSettings::setActiveTab(int tab)
{
    setText(kActiveTab, QString::number(tab));
}

void ZorvelSettings::setListerSpeed(int speed)
{
    setText(kListerSpeed, QString::number(speed));
}

void ZorvelSettings::setRestartListing(bool restart)
{
    setText(kRestartListing, QString::number(restart ? 1 : 0));
}

void ZorvelSettings::setLastOpenFolder(const QString& folder)
{
    setText(kLastOpenFolder, folder);
}

void ZorvelSettings::setSplitPercent(int percent)
{
    setText(kSplitPercent, QString::number(percent));
}

void ZorvelSettings::setRecentFiles(const QString& recentFiles)
{
    setText(kRecentFiles, recentFiles);
}

bool ZorvelSettings::sync()
{
    if (m_ignored)
        return false;
    m_store.sync();
    return m_store.status() != QSettings::AccessError;
}

QString ZorvelSettings::arabicFont() const
{
    return text(kArabicFont, kExtras).trimmed();
}

int ZorvelSettings::zoomPercent() const
{
    return settingsvalues::wholeNumber(text(kZoom, kExtras), zoom::kSmallest, zoom::kLargest,
                                       zoom::kActualSize);
}

void ZorvelSettings::setArabicFont(const QString& family)
{
    setText(kArabicFont, family, kExtras);
}

void ZorvelSettings::setZoomPercent(int percent)
{
    setText(kZoom, QString::number(percent), kExtras);
}

bool ZorvelSettings::recallFirst() const
{
    return extraFlag(kRecallFirst);
}

void ZorvelSettings::setRecallFirst(bool recallFirst)
{
    setExtraFlag(kRecallFirst, recallFirst);
}

recallcue::Cue ZorvelSettings::recallCue() const
{
    return recallcue::Cue(
        settingsvalues::wholeNumber(text(kRecallCue, kExtras), 0, int(recallcue::Cue::Blanks), 0));
}

void ZorvelSettings::setRecallCue(recallcue::Cue cue)
{
    setText(kRecallCue, QString::number(int(cue)), kExtras);
}

bool ZorvelSettings::lookAlikes() const
{
    return extraFlag(kLookAlikes);
}

void ZorvelSettings::setLookAlikes(bool lookAlikes)
{
    setExtraFlag(kLookAlikes, lookAlikes);
}

bool ZorvelSettings::secondHalves() const
{
    return extraFlag(kSecondHalves);
}

void ZorvelSettings::setSecondHalves(bool secondHalves)
{
    setExtraFlag(kSecondHalves, secondHalves);
}

QString ZorvelSettings::language() const
{
    return text(kLanguage, kExtras);
}

void ZorvelSettings::setLanguage(const QString& language)
{
    setText(kLanguage, language, kExtras);
}

bool ZorvelSettings::writeMarks() const
{
    return extraFlag(kWriteMarks);
}

void ZorvelSettings::setWriteMarks(bool marksToo)
{
    setExtraFlag(kWriteMarks, marksToo);
}

revisionplan::Options ZorvelSettings::planOptions() const
{
    revisionplan::Options options;
    options.retention = settingsvalues::wholeNumber(text(kRetention, kExtras), 80, 97,
                                                    qRound(options.retention * 100)) /
                        100.0;
    options.longestPassage =
        settingsvalues::wholeNumber(text(kLongestPassage, kExtras), 1, 100, options.longestPassage);
    options.newPerDay =
        settingsvalues::wholeNumber(text(kNewPerDay, kExtras), 0, 100, options.newPerDay);
    options.passagesBy = text(kPassagesBy, kExtras);
    options.divisionsPerDay = settingsvalues::wholeNumber(text(kDivisionsPerDay, kExtras), 1, 60,
                                                          options.divisionsPerDay);
    options.cycleBy = text(kCycleBy, kExtras);
    options.cycleDays =
        settingsvalues::wholeNumber(text(kCycleDays, kExtras), 1, 365, options.cycleDays);
    // "page", or "half" for half a page
    const QString learnBy = text(kLearnBy, kExtras);
    options.learnHalf = learnBy == u"half";
    options.learnBy = options.learnHalf ? QStringLiteral("page") : learnBy;
    return options;
}

void ZorvelSettings::setPlanOptions(const revisionplan::Options& options)
{
    setText(kRetention, QString::number(qRound(options.retention * 100)), kExtras);
    setText(kLongestPassage, QString::number(options.longestPassage), kExtras);
    setText(kNewPerDay, QString::number(options.newPerDay), kExtras);
    setText(kPassagesBy, options.passagesBy, kExtras);
    setText(kDivisionsPerDay, QString::number(options.divisionsPerDay), kExtras);
    setText(kCycleBy, options.cycleBy, kExtras);
    setText(kCycleDays, QString::number(options.cycleDays), kExtras);
    setText(kLearnBy, options.learnHalf ? QStringLiteral("half") : options.learnBy, kExtras);
}

SharingSettings ZorvelSettings::sharing()
{
    SharingSettings sharing{text(QStringLiteral("Folder"), kShare),
                            text(QStringLiteral("Device"), kShare),
                            text(QStringLiteral("Name"), kShare)};
    const bool made = sharing.device.size() == 16 &&
                      std::all_of(sharing.device.cbegin(), sharing.device.cend(), [](QChar c) {
                          return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f');
                      });
    if (!made) {
        sharing.device =
            QString::number(QRandomGenerator::system()->generate64(), 16).rightJustified(16, u'0');
        setText(QStringLiteral("Device"), sharing.device, kShare);
    }
    if (sharing.name.isEmpty())
        sharing.name = qEnvironmentVariable("USER");
    return sharing;
}

QString ZorvelSettings::sharedFolder() const
{
    return text(QStringLiteral("Folder"), kShare);
}

void ZorvelSettings::setSharing(const QString& folder, const QString& name)
{
    setText(QStringLiteral("Folder"), folder, kShare);
    setText(QStringLiteral("Name"), name, kShare);
}

RecitationSettings ZorvelSettings::recitation() const
{
    RecitationSettings recitation;
    using settingsvalues::wholeNumber;
    recitation.repeatEach = wholeNumber(text(kRepeatEach, kExtras), 1, 20, recitation.repeatEach);
    recitation.repeatRange =
        wholeNumber(text(kRepeatRange, kExtras), 0, 10, recitation.repeatRange);
    recitation.gapFactor = wholeNumber(text(kRecitationGap, kExtras), 0, 2, recitation.gapFactor);
    recitation.ratePercent =
        wholeNumber(text(kRecitationRate, kExtras), 50, 150, recitation.ratePercent);
    recitation.testerPlays = wholeNumber(text(kTesterPlays, kExtras), 0, 2, recitation.testerPlays);
    recitation.on = extraFlag(kRecite);
    return recitation;
}

void ZorvelSettings::setRecitation(const RecitationSettings& recitation)
{
    setText(kRepeatEach, QString::number(recitation.repeatEach), kExtras);
    setText(kRepeatRange, QString::number(recitation.repeatRange), kExtras);
    setText(kRecitationGap, QString::number(recitation.gapFactor), kExtras);
    setText(kRecitationRate, QString::number(recitation.ratePercent), kExtras);
    setText(kTesterPlays, QString::number(recitation.testerPlays), kExtras);
    setExtraFlag(kRecite, recitation.on);
}

QString ZorvelSettings::recitationFolder(const QString& listPath) const
{
    return text(QString::fromLatin1(listPath.toUtf8().toBase64(QByteArray::Base64UrlEncoding)),
                kRecitationFolders);
}

void ZorvelSettings::setRecitationFolder(const QString& listPath, const QString& folder)
{
    setText(QString::fromLatin1(listPath.toUtf8().toBase64(QByteArray::Base64UrlEncoding)), folder,
            kRecitationFolders);
}

bool ZorvelSettings::todayAtStart() const
{
    return extraFlag(kTodayAtStart);
}

void ZorvelSettings::setTodayAtStart(bool show)
{
    setExtraFlag(kTodayAtStart, show);
}

bool ZorvelSettings::todayRecalls() const
{
    return extraFlag(kTodayRecalls);
}

void ZorvelSettings::setTodayRecalls(bool recalls)
{
    setExtraFlag(kTodayRecalls, recalls);
}

bool ZorvelSettings::extraFlag(const QString& key) const
{
    return settingsvalues::wholeNumber(text(key, kExtras), 0, 1, 0) == 1;
}

void ZorvelSettings::setExtraFlag(const QString& key, bool on)
{
    setText(key, on ? QStringLiteral("1") : QStringLiteral("0"), kExtras);
}
