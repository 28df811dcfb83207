#include "Verify.h"

#include "channels/ChannelTable.h"
#include "editors/SettingsText.h"
#include "link/Protocol.h"

#include <map>
#include <set>

namespace zemtar::fleet {

const std::vector<std::pair<std::size_t, std::size_t>>& writtenAreas()
{
    static const std::vector<std::pair<std::size_t, std::size_t>> areas = [] {
        std::vector<std::pair<std::size_t, std::size_t>> out;
        for (const proto::Block& b : proto::blocks(254)) {
            if (!out.empty() && out.back().first + out.back().second == b.imageOffset)
                out.back().second += proto::kBlockLength;
            else
                out.emplace_back(b.imageOffset, std::size_t(proto::kBlockLength));
        }
        out.emplace_back(map::kBand.offset, std::size_t(proto::kBlockLength)); // the write's final block
        return out;
    }();
    return areas;
}

bool sameWrittenBytes(const RadioImage& file, const RadioImage& radio)
{
    for (const auto& [offset, length] : writtenAreas())
        for (std::size_t i = offset; i < offset + length; ++i)
            if (file.at(i) != radio.at(i))
                return false;
    return true;
}

namespace {

constexpr std::size_t kChannelBytesEnd = map::kFrRecord.offset + map::kChannelRecordSize;

// "Section/Label" -> value, in the order printed.
std::vector<std::pair<QString, QString>> settingValues(const RadioImage& img, const QStringList& models,
                                                       Language lang = Language::English)
{
    std::vector<std::pair<QString, QString>> out;
    for (const editors::SettingAssignment& a :
         editors::parseSettingsText(editors::printSettings(img, lang, models), nullptr))
        out.emplace_back(a.section + u'/' + a.key, a.value);
    return out;
}

// "%1: %2 in the file, %3 in the radio" in the language of the lines, or with the sides' names.
QString line(Language lang, const Sides& sides, const QString& what, const QString& inFile, const QString& inRadio)
{
    const bool zh = lang == Language::Chinese;
    // A control character (a name read from a radio may hold any byte) is shown as \xNN, so
    // that each difference stays one line.
    auto shown = [zh](const QString& v) {
        if (v.isEmpty())
            return zh ? QString::fromUtf8("(空)") : QStringLiteral("(empty)");
        QString t;
        for (QChar c : v)
            t += c.unicode() < 0x20 || c.unicode() == 0x7F
                     ? QStringLiteral("\\x") + QStringLiteral("%1").arg(c.unicode(), 2, 16, QChar(u'0')).toUpper()
                     : QString(c);
        return t;
    };
    if (!sides.first.isEmpty())
        return (zh ? QString::fromUtf8("%1: %3中为 %2, %5中为 %4") : QStringLiteral("%1: %2 in %3, %4 in %5"))
            .arg(what, shown(inFile), sides.first, shown(inRadio), sides.second);
    return (zh ? QString::fromUtf8("%1: 文件中为 %2, 电台中为 %3")
               : QStringLiteral("%1: %2 in the file, %3 in the radio"))
        .arg(what, shown(inFile), shown(inRadio));
}

} // namespace

QStringList differences(const RadioImage& file, const RadioImage& radio, const QStringList& models, Language lang)
{
    return differences(file, radio, models, lang, Sides{});
}

QStringList differences(const RadioImage& file, const RadioImage& radio, const QStringList& models, Language lang,
                        const Sides& sides)
{
    std::set<std::size_t> differing;
    const std::vector<std::pair<std::size_t, std::size_t>> whole{{0, RadioImage::kSize}};
    for (const auto& [offset, length] : sides.wholeImage ? whole : writtenAreas())
        for (std::size_t i = offset; i < offset + length; ++i)
            if (file.at(i) != radio.at(i))
                differing.insert(i);
    if (differing.empty())
        return {};

    QStringList lines;
    std::set<std::size_t> named; // bytes whose difference a named line shows

    // Channels: the cells of the table, row by row.
    ChannelTable a, b;
    a.fillFromImage(file, lang);
    b.fillFromImage(radio, lang);
    for (int row = kFirstRow; row <= kLastRow; ++row) {
        const std::size_t rec = ChannelTable::recordOffset(row);
        bool touched = false;
        for (std::size_t i = rec; i < rec + map::kChannelRecordSize; ++i)
            touched = touched || differing.count(i);
        if (!touched)
            continue;
        bool anyShown = false;
        for (int c = ColRx; c < ColMore; ++c) {
            if (a.cell(row, c) == b.cell(row, c))
                continue;
            const QString cell =
                (lang == Language::Chinese ? QString::fromUtf8("信道 %1: %2") : QStringLiteral("channel %1: %2"))
                    .arg(ChannelTable::rowLabel(row), ChannelTable::header(c, lang).trimmed());
            lines << line(lang, sides, cell, a.cell(row, c), b.cell(row, c));
            anyShown = true;
        }
        if (anyShown)
            for (std::size_t i = rec; i < rec + map::kChannelRecordSize; ++i)
                named.insert(i);
    }

    // Settings: each byte outside the channels is named when the radio's value of it alone
    // changes what the settings text shows.
    const auto fileValues = settingValues(file, models);
    const auto radioValues = settingValues(radio, models);
    // Values as the windows of the language show them; in Chinese the settings are named as
    // the Chinese dialogs name their page and field.
    const auto fileShown = lang == Language::English ? fileValues : settingValues(file, models, lang);
    const auto radioShown = lang == Language::English ? radioValues : settingValues(radio, models, lang);
    std::map<QString, QString> names;
    if (lang != Language::English)
        for (const fields::Page& page : editors::settingsPages(models))
            for (const fields::Field& f : page.fields())
                names.emplace(f.path(), page.name(lang) + u'/' + f.label(lang));
    std::map<QString, QString> radioByKey(radioValues.begin(), radioValues.end());
    std::map<QString, QString> radioShownByKey(radioShown.begin(), radioShown.end());
    std::map<QString, QString> fileShownByKey(fileShown.begin(), fileShown.end());
    for (const auto& [key, value] : fileValues) {
        const auto it = radioByKey.find(key);
        if (it == radioByKey.end() || it->second == value)
            continue;
        const auto name = names.find(key);
        lines << line(lang, sides, name != names.end() ? name->second : key, fileShownByKey[key], radioShownByKey[key]);
    }
    for (std::size_t i : differing) {
        if (i < kChannelBytesEnd || named.count(i))
            continue;
        // Either way round: a text ends at its first 0xFF, so a later character changes the
        // text only over the radio's own earlier characters.
        RadioImage one = file;
        one.set(i, radio.at(i));
        RadioImage other = radio;
        other.set(i, file.at(i));
        if (settingValues(one, models) != fileValues || settingValues(other, models) != radioValues)
            named.insert(i);
    }
    auto hex = [](unsigned v, int width) { return QStringLiteral("%1").arg(v, width, 16, QChar(u'0')).toUpper(); };
    for (std::size_t i : differing)
        if (!named.count(i))
            lines << line(lang, sides, QStringLiteral("0x") + hex(unsigned(i), 4), hex(file.at(i), 2),
                          hex(radio.at(i), 2));
    return lines;
}

} // namespace zemtar::fleet
