#include "Settings.h"
#include "PageBuilding.h"

#include "image/Encodings.h"

#include "shell/Messages.h"
#include <tuple>

namespace zemtar::editors {

using namespace building;

namespace {

QStringList ul(std::initializer_list<const char*> items)
{
    QStringList l;
    for (const char* s : items)
        l << u(s);
    return l;
}
QStringList numbers(int from, int to, int step = 1)
{
    QStringList l;
    for (int v = from; v <= to; v += step)
        l << QString::number(v);
    return l;
}

// A list whose text is the byte's number as the dialog prints it ("%d"), so a value outside
// the list still shows; choosing item i stores `value(i)` as the whole byte.
Field numberList(const QString& section, const QString& key, const char* zh, int help, std::size_t offset,
                 QStringList en, QStringList zhItems, std::function<QString(std::uint8_t, Language)> show,
                 std::function<std::uint8_t(int)> value)
{
    Field f = fields::listOnBits(section, key, u(zh), help, offset, 7, 0, en, zhItems);
    f.read = [=](const RadioImage& img, const Context& ctx) { return show(img.at(offset), ctx.lang); };
    f.writeIndex = [=](RadioImage& img, int i) { img.set(offset, value(i)); };
    return f;
}

Page makeOptionalFeatures()
{
    const QString s = QStringLiteral("Optional Features");
    const std::size_t b1260 = map::kOptionalFeatures.offset;
    const std::size_t tot = b1260, squelch = b1260 + 1, vox = b1260 + 2, step = b1260 + 3, b1264 = b1260 + 4,
                      b1265 = b1260 + 5, display = b1260 + 6;
    const std::size_t b12A8 = map::kMixedFlags.offset, priority = map::kOptionalFeatures2.offset,
                      b12AB = map::kOptionalFeatures3.offset;
    std::vector<Field> f(of::Count);

    f[of::BackLight] = fields::listOnBits(s, QStringLiteral("Back Light"), u("背光"), 1000, b1265, 5, 4,
                                          {QStringLiteral("Off"), QStringLiteral("Auto"), QStringLiteral("On")},
                                          ul({"关", "自动", "开"}));
    f[of::BackLightColor] = fields::listOnBits(
        s, QStringLiteral("Back Light Color"), u("背光颜色"), 1001, b1265, 7, 6,
        {QStringLiteral("Purple"), QStringLiteral("Orange"), QStringLiteral("Blue")}, ul({"紫色", "橙色", "蓝色"}));
    f[of::BackLightColor].printText = [](const QString& t, const Context&) {
        return t == QStringLiteral("Orange") ? QStringLiteral("Orangle") : t;
    };
    f[of::DisplayMode] = numberList(
        s, QStringLiteral("Display Mode"), "显示模式", 1002, display, numbers(1, 5), {},
        [](std::uint8_t v, Language) { return QString::number((v & 0x07) + 1); },
        [](int i) { return std::uint8_t(i); });
    f[of::KeyLock] = fields::listOnBits(
        s, QStringLiteral("Key Lock"), u("键盘锁"), 1003, b1265, 2, 2,
        {QStringLiteral("Manual"), QStringLiteral("Auto")}, ul({"手动", "自动"}), [](unsigned v) { return v ? 0 : 1; },
        [](int i) { return i == 0 ? 1u : 0u; });
    f[of::PriorityChannel] = numberList(
        s, QStringLiteral("Priority Channel"), "优先信道", 1004, priority, numbers(1, 128), {},
        [](std::uint8_t v, Language) { return QString::number(v); }, [](int i) { return std::uint8_t(i + 1); });
    f[of::ScanMode] = fields::listOnBits(s, QStringLiteral("Scan Mode"), u("扫描模式"), 1005, b1264, 6, 5,
                                         {QStringLiteral("TO"), QStringLiteral("CO"), QStringLiteral("SE")},
                                         ul({"时间", "载波", "搜索"}));
    f[of::ScanMode].printText = [](const QString& t, const Context&) {
        return t.size() == 2 && t[0].isUpper() ? t.left(1) + t.mid(1).toLower() : t; // "To", "Co", "Se"
    };
    f[of::DisplayMode].printText = [](const QString& t, const Context&) {
        return t.toInt() > 5 ? QStringLiteral("5") : t;
    };
    f[of::SquelchLevel] = numberList(
        s, QStringLiteral("Squelch Level"), "静噪等级", 1006, squelch, numbers(0, 9), {},
        [](std::uint8_t v, Language) { return QString::number(v); }, [](int i) { return std::uint8_t(i); });
    f[of::Step] = numberList(
        s, QStringLiteral("Step"), "步进", 1007, step,
        {QStringLiteral("5k"), QStringLiteral("6.25k"), QStringLiteral("10k"), QStringLiteral("12.5k"),
         QStringLiteral("25k")},
        {},
        [](std::uint8_t v, Language) {
            static const char* names[] = {"5k", "6.25k", "10k", "12.5k", "25k"};
            return QString::fromLatin1(names[std::min(v & 0x07, 4)]);
        },
        [](int i) { return std::uint8_t(i); });
    {
        QStringList en = QStringList{QStringLiteral("Off")} + numbers(30, 270, 30);
        QStringList zh = QStringList{u("关")} + numbers(30, 270, 30);
        f[of::Tot] = numberList(
            s, QStringLiteral("Time-Out Timer(TOT)(s)"), "发射限时(TOT)(秒)", 1008, tot, en, zh,
            [](std::uint8_t v, Language l) { return v == 0 ? fields::checkText(false, l) : QString::number(v * 30); },
            [](int i) { return std::uint8_t(i); });
    }
    // The report prints "Off" of the time-out and the voice as "无" in Chinese.
    auto offAsNone = [](const QString& t, const Context& ctx) {
        return ctx.lang == Language::Chinese && t == u("关") ? u("无") : t;
    };
    f[of::Tot].printText = offAsNone;
    {
        Field& v = f[of::Voice];
        v = fields::listOnBits(s, QStringLiteral("Voice Annunciation"), u("语音提示"), 1009, b1264, 2, 2,
                               {QStringLiteral("Off"), QStringLiteral("English"), QStringLiteral("Chinese")},
                               ul({"关", "英文", "中文"}));
        v.printText = offAsNone;
        v.read = [=, items = v.items](const RadioImage& img, const Context& ctx) {
            const int i = !img.bit(b1264, 2) ? 0 : img.bit(b12A8, 1) ? 2 : 1;
            return items(ctx).at(i);
        };
        v.writeIndex = [=](RadioImage& img, int i) {
            img.setBit(b1264, 2, i != 0);
            img.setBit(b12A8, 1, i == 2);
        };
    }
    {
        QStringList en = QStringList{QStringLiteral("Off")} + numbers(1, 9);
        QStringList zh = QStringList{u("关")} + numbers(1, 9);
        f[of::VoxGain] = numberList(
            s, QStringLiteral("Vox Gain Level"), "声控等级", 1015, vox, en, zh,
            [](std::uint8_t v, Language l) {
                return (v & 0x0F) == 0 ? fields::checkText(false, l) : QString::number(v & 0x0F);
            },
            [](int i) { return std::uint8_t(i); });
    }
    f[of::PttIdType] = fields::listOnBits(
        s, QStringLiteral("PTT ID Type"), u("PTT ID类型"), 1019, b12A8, 2, 2,
        {QStringLiteral("DTMF"), QStringLiteral("MSK")}, {}, [](unsigned v) { return v ? 0 : 1; },
        [](int i) { return i == 0 ? 1u : 0u; });
    f[of::PttIdType].changed = [](const QString&, QStringList& page) {
        page[of::PttIdBegin].clear();
        page[of::PttIdEnd].clear();
    };
    f[of::FrequencyMode] = fields::listOnBits(
        s, QStringLiteral("Frequency Mode"), u("频率模式"), 1104, b12A8, 3, 3,
        {QStringLiteral("On"), QStringLiteral("Off")}, ul({"开", "关"}), [](unsigned v) { return v ? 0 : 1; },
        [](int i) { return i == 0 ? 1u : 0u; });
    f[of::MskType] = fields::listOnBits(s, QStringLiteral("MSK Type"), u("MSK类型"), 1112, b12AB, 0, 0,
                                        {QStringLiteral("MSK-I"), QStringLiteral("MSK-II")}, {});
    f[of::DisplayPttId] = fields::checkOnBit(s, QStringLiteral("Display PTT ID"), u("显示PTT ID"), 1011, b1264, 7);
    f[of::Beep] = fields::checkOnBit(s, QStringLiteral("Beep"), u("按键音"), 1016, b1264, 3);
    f[of::BatterySaver] = fields::checkOnBit(s, QStringLiteral("Battery Saver"), u("省电"), 1017, b12A8, 0);
    f[of::Scrambler] = fields::checkOnBit(s, QStringLiteral("Scrambler Activation"), u("启用加密"), 1018, b1264, 4);
    f[of::KeypadLock] = fields::checkOnBit(s, QStringLiteral("Keypad Lock"), u("键盘锁定"), 1105, b12A8, 7, true);
    f[of::RepeaterMskInvert] =
        fields::checkOnBit(s, QStringLiteral("Repeater MSK Invert"), u("中继MSK反相"), 1113, b12AB, 1);
    f[of::CancelCodeSquelch] = fields::checkOnBit(s, QStringLiteral("Cancel Code Squelch When Press PTT"),
                                                  u("按PTT时取消亚音静噪"), 1115, b12AB, 2);
    // The PTT ID texts take the DTMF characters while the type is DTMF, else any single-byte
    // character the radio can store.
    auto pttChars = [](QChar c, const QStringList& page) {
        if (page.value(of::PttIdType) == QStringLiteral("DTMF"))
            return fields::isDtmfChar(c);
        return c.unicode() >= 0x20 && c.unicode() < 0xFF && c.unicode() != 0x7F;
    };
    f[of::PttIdBegin] = fields::paddedText(s, QStringLiteral("Beginning of Transmit"), u("发射开始"), 1020,
                                           map::kOptionalText1.offset, 16, true, pttChars, true);
    f[of::PttIdEnd] = fields::paddedText(s, QStringLiteral("End of Transmit"), u("发射结束"), 1021,
                                         map::kOptionalText2.offset, 16, true, pttChars, true);
    f[of::PttIdBegin].maxLength = f[of::PttIdEnd].maxLength = 7;
    f[of::DataPassword] = fields::paddedText(
        s, QStringLiteral("Data Password"), u("数据密码"), 1114, map::kPassword.offset, 6, false,
        [](QChar c, const QStringList&) { return fields::isDigit(c); }, true);
    // The report's labels.
    const std::tuple<int, const char*, const char*> printed[] = {
        {of::BackLight, "Back Light:", "背光灯:"},
        {of::BackLightColor, "Back Light Color:", "背光灯颜色:"},
        {of::DisplayMode, "Display mode:", "显示模式:"},
        {of::KeyLock, "Key lock:", "键盘锁定:"},
        {of::PriorityChannel, "Priority channel:", "优先信道:"},
        {of::ScanMode, "Scan mode:", "扫描模式:"},
        {of::SquelchLevel, "Squelch level:", "静噪电平:"},
        {of::Step, "Step:", "步进:"},
        {of::Tot, "Time-out Timer:", "超时定时器:"},
        {of::VoxGain, "Vox Gain Level:", "声控增益电平:"},
        {of::Voice, "Voice annunciation:", "语音报号:"},
        {of::FrequencyMode, "Frequency Mode:", "频率模式:"},
        {of::MskType, "MSK Type:", "MSK 类型:"},
        {of::BatterySaver, "Battery saver:", "电池省电:"},
        {of::Beep, "Beep tone:", "哔音:"},
        {of::Scrambler, "Scrambler:", "扰频器:"},
        {of::KeypadLock, "Keypad Lock:", "数字功能键锁定:"},
        {of::DisplayPttId, "Display PTT ID:", "显示 PTT ID:"},
        {of::PttIdType, "PTT ID type:", "PTT ID 类型:"},
        {of::PttIdBegin, "Beginning of Trasmit:", "发射开始:"},
        {of::PttIdEnd, "End of transmit:", "发射结束:"},
    };
    for (const auto& [i, en, zh] : printed)
        f[std::size_t(i)].printAs(en, zh);
    return Page(s, u("可选功能"), std::move(f));
}

// A code of `length` characters at `offset`, in a box of `length` upper-case characters.
Field codeField(const QString& section, const QString& key, const QString& zh, int help, std::size_t offset, int length,
                bool (*chars)(QChar))
{
    return fields::paddedText(section, key, zh, help, offset, length, true,
                              [chars](QChar c, const QStringList&) { return chars(c); });
}

} // namespace

const Page& optionalFeaturesPage()
{
    static const Page page = makeOptionalFeatures();
    return page;
}

// Position p of the 40-byte MSK run lies in columns 0-15 of rows 200-202.
static std::size_t mskRunOffset(int p)
{
    return map::kMskOwnId.offset + std::size_t(p / 16) * map::kRowSize + std::size_t(p % 16);
}

const Page& mskIdPage()
{
    static const Page page(QStringLiteral("MSK"), QStringLiteral("MSK"), {[] {
                               Field id = codeField(QStringLiteral("MSK"), QStringLiteral("ID Code"), u("ID码"), 1048,
                                                    mskRunOffset(0), 4, fields::isHexDigit);
                               id.printAs("ID Code:", "身份码:");
                               return id;
                           }()});
    return page;
}

const Page& mskCallListPage()
{
    static const Page page = [] {
        std::vector<Field> f;
        for (int j = 1; j <= msk::kCallCount; ++j)
            f.push_back(codeField(QStringLiteral("MSK Call List"), QString::number(j), QString::number(j), 1123,
                                  mskRunOffset(4 * j), 4, fields::isHexDigit));
        return Page(QStringLiteral("Call List"), u("呼叫列表"), std::move(f));
    }();
    return page;
}

QStringList sideKeyItems(Language lang)
{
    if (lang == Language::Chinese)
        return ul({"选择信令呼叫", "紧急呼叫", "发送1750Hz信号", "瞬时静噪关闭"});
    return {QStringLiteral("Option Singalling Call"), QStringLiteral("Emergency Call"),
            QStringLiteral("Send 1750Hz Singal"), QStringLiteral("Squelch Off Momentary")};
}

const Page& keyAssignPage()
{
    static const Page page = [] {
        Field f = fields::listOnBits(
            QStringLiteral("Key Assignment"), QStringLiteral("Side Key"), u("侧键"), 32800, map::kKeyAssignment.offset,
            1, 0, sideKeyItems(Language::English), sideKeyItems(Language::Chinese),
            [](unsigned v) { return 3 - int(v); }, [](int i) { return unsigned(3 - i); });
        return Page(QStringLiteral("Key Assignment"), u("侧键设定"), {f});
    }();
    return page;
}

Page productInfoPage(const QStringList& models)
{
    const QString s = QStringLiteral("Product Information");
    Field type;
    type.section = s;
    type.key = QStringLiteral("Type");
    type.labelZh = u("类型");
    type.kind = Kind::Text;
    type.help = 1013;
    type.read = [models](const RadioImage& img, const Context&) {
        const int t = img.at(map::kRadioType.offset);
        return t < models.size() ? models[t] : QString::number(t);
    };
    // A model name, or the 0-based radio type number.
    auto typeOf = [models](const QString& text) -> int {
        if (const int i = int(models.indexOf(text)); i >= 0)
            return i;
        bool ok = false;
        const int n = text.toInt(&ok);
        return ok && n >= 0 && n <= 255 ? n : -1;
    };
    type.refuse = [=](const QString& text, const Context&) -> std::optional<QString> {
        if (typeOf(text) < 0)
            return QStringLiteral("\"%1\" is neither a radio model of Setup.ini (%2) nor a number from 0 to 255")
                .arg(text, models.join(QStringLiteral(", ")));
        return std::nullopt;
    };
    type.writeText = [=](RadioImage& img, const QString& text) {
        if (const int t = typeOf(text); t >= 0)
            img.set(map::kRadioType.offset, std::uint8_t(t));
    };

    Field field;
    field.section = s;
    field.key = QStringLiteral("Field");
    field.labelZh = u("频段");
    field.kind = Kind::Text;
    field.help = 1113;
    field.read = [](const RadioImage& img, const Context&) {
        const Band b = band::read(img);
        return QStringLiteral("%1-%2").arg(b.lowMHz).arg(b.highMHz);
    };
    auto parse = [](const QString& text) -> std::optional<Band> {
        const QStringList parts = text.split(QLatin1Char('-'));
        if (parts.size() != 2)
            return std::nullopt;
        bool ok1 = false, ok2 = false;
        const int lo = parts[0].trimmed().toInt(&ok1), hi = parts[1].trimmed().toInt(&ok2);
        if (!ok1 || !ok2 || lo < 0 || hi < 0 || lo > 999 || hi > 999)
            return std::nullopt;
        return Band{lo, hi};
    };
    field.refuse = [=](const QString& text, const Context& ctx) -> std::optional<QString> {
        const auto b = parse(text);
        if (!b)
            return QStringLiteral("\"%1\" is not a band of whole MHz such as 144-145").arg(text);
        if (b->highMHz < b->lowMHz)
            return msg::frequencyInputError(ctx.lang);
        return std::nullopt;
    };
    field.writeText = [=](RadioImage& img, const QString& text) {
        if (const auto b = parse(text); b && b->highMHz >= b->lowMHz)
            band::write(img, *b);
    };
    return Page(s, u("类型设置"), {type, field});
}

} // namespace zemtar::editors
