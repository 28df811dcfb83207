// The settings editors' field tables and the settings text: what each field shows for crafted
// bytes, which bits a stored value touches, and text that is printed, edited and applied.
#include "editors/Settings.h"
#include "editors/SettingsText.h"
#include "image/Encodings.h"

#include <gtest/gtest.h>

#include <random>

using namespace zemtar;
using namespace zemtar::editors;
using fields::Context;
using fields::Page;

namespace {

QString u8(const char* s) { return QString::fromUtf8(s); }
const Context kEn{Language::English};
const Context kZh{Language::Chinese};
const QStringList kModels = {QStringLiteral("ZR-530V"), QStringLiteral("ZR-530U")};

RadioImage randomImage(unsigned seed)
{
    std::mt19937 rng(seed);
    RadioImage img;
    for (auto& b : img.bytes())
        b = std::uint8_t(rng());
    return img;
}

// Offsets whose bytes differ between two images.
std::vector<std::size_t> differences(const RadioImage& a, const RadioImage& b)
{
    std::vector<std::size_t> d;
    for (std::size_t i = 0; i < RadioImage::kSize; ++i)
        if (a.at(i) != b.at(i))
            d.push_back(i);
    return d;
}

TEST(OptionalFeatures, NewDocumentShowsTheDefaultsInBothLanguages)
{
    const RadioImage img = RadioImage::newDocument();
    const QStringList en = optionalFeaturesPage().load(img, kEn);
    const std::vector<const char*> expectedEn = {"Auto", "Purple",  "1",   "Manual", "1",  "TO",     "5",  "25k",
                                                 "Off",  "Chinese", "Off", "DTMF",   "On", "MSK-II", "On", "On",
                                                 "On",   "Off",     "Off", "Off",    "On", "",       "",   ""};
    ASSERT_EQ(en.size(), of::Count);
    for (int i = 0; i < of::Count; ++i)
        EXPECT_EQ(en[i], QString::fromLatin1(expectedEn[std::size_t(i)])) << i;
    const QStringList zh = optionalFeaturesPage().load(img, kZh);
    EXPECT_EQ(zh[of::BackLight], u8("自动"));
    EXPECT_EQ(zh[of::KeyLock], u8("手动"));
    EXPECT_EQ(zh[of::ScanMode], u8("时间"));
    EXPECT_EQ(zh[of::Tot], u8("关"));
    EXPECT_EQ(zh[of::Voice], u8("中文"));
    EXPECT_EQ(zh[of::FrequencyMode], u8("开"));
    EXPECT_EQ(zh[of::Beep], u8("开"));
    EXPECT_EQ(zh[of::KeypadLock], u8("关"));
}

TEST(OptionalFeatures, CraftedBytesShowAsTheDialogShowsThem)
{
    struct Case {
        std::size_t offset;
        std::uint8_t value;
        int field;
        const char* text;
    } cases[] = {
        {0x1265, 0x3D, of::BackLight, "On"}, // bits 4-5 = 3
        {0x1265, 0xC0, of::BackLightColor, "Blue"},
        {0x1266, 0x04, of::DisplayMode, "5"},
        {0x1266, 0xFE, of::DisplayMode, "7"}, // bits 0-2 = 6: no item shows it
        {0x1260, 10, of::Tot, "300"},
        {0x1260, 9, of::Tot, "270"},
        {0x1263, 0x07, of::Step, "25k"},
        {0x1263, 0x01, of::Step, "6.25k"},
        {0x1262, 0xF3, of::VoxGain, "3"},
        {0x1262, 0x10, of::VoxGain, "Off"},
        {0x1261, 0x0C, of::SquelchLevel, "12"},
        {0x12A9, 0x00, of::PriorityChannel, "0"},
        {0x1264, 0x60, of::ScanMode, "SE"}, // bits 5-6 = 3
        {0x1264, 0x00, of::Voice, "Off"},
        {0x12A8, 0x7F, of::KeypadLock, "On"}, // inverted
        {0x12AB, 0x00, of::MskType, "MSK-I"},
    };
    for (const Case& c : cases) {
        RadioImage img = RadioImage::newDocument();
        img.set(c.offset, c.value);
        EXPECT_EQ(optionalFeaturesPage().load(img, kEn)[c.field], QString::fromLatin1(c.text))
            << std::hex << c.offset << " = " << int(c.value);
    }
    RadioImage img = RadioImage::newDocument();
    img.setBytes(0x1278, {'1', '2', 0x00, '3'});
    img.setBytes(0x17D2, {'9', '8', 0xFF, '7'});
    const QStringList t = optionalFeaturesPage().load(img, kEn);
    EXPECT_EQ(t[of::PttIdBegin], QStringLiteral("12"));
    EXPECT_EQ(t[of::DataPassword], QStringLiteral("98"));
}

// Each value written touches only the bits its field owns, whatever the rest of the byte holds.
TEST(OptionalFeatures, StoringAValueTouchesOnlyItsBits)
{
    struct Case {
        int field;
        const char* text;
        std::size_t offset;
        std::uint8_t mask;  // the bits the field owns at offset
        std::uint8_t value; // their value after the store
    } cases[] = {
        {of::BackLight, "Off", 0x1265, 0x30, 0x00},
        {of::BackLight, "On", 0x1265, 0x30, 0x20},
        {of::BackLightColor, "Orange", 0x1265, 0xC0, 0x40},
        {of::KeyLock, "Auto", 0x1265, 0x04, 0x00},
        {of::KeyLock, "Manual", 0x1265, 0x04, 0x04},
        {of::ScanMode, "CO", 0x1264, 0x60, 0x20},
        {of::DisplayMode, "3", 0x1266, 0xFF, 0x02},
        {of::PriorityChannel, "128", 0x12A9, 0xFF, 128},
        {of::SquelchLevel, "9", 0x1261, 0xFF, 9},
        {of::Step, "12.5k", 0x1263, 0xFF, 3},
        {of::Tot, "Off", 0x1260, 0xFF, 0},
        {of::Tot, "270", 0x1260, 0xFF, 9},
        {of::VoxGain, "Off", 0x1262, 0xFF, 0},
        {of::VoxGain, "7", 0x1262, 0xFF, 7},
        {of::PttIdType, "MSK", 0x12A8, 0x04, 0x00},
        {of::PttIdType, "DTMF", 0x12A8, 0x04, 0x04},
        {of::FrequencyMode, "Off", 0x12A8, 0x08, 0x00},
        {of::MskType, "MSK-II", 0x12AB, 0x01, 0x01},
        {of::DisplayPttId, "Off", 0x1264, 0x80, 0x00},
        {of::Beep, "On", 0x1264, 0x08, 0x08},
        {of::BatterySaver, "Off", 0x12A8, 0x01, 0x00},
        {of::Scrambler, "On", 0x1264, 0x10, 0x10},
        {of::KeypadLock, "On", 0x12A8, 0x80, 0x00},
        {of::KeypadLock, "Off", 0x12A8, 0x80, 0x80},
        {of::RepeaterMskInvert, "On", 0x12AB, 0x02, 0x02},
        {of::CancelCodeSquelch, "Off", 0x12AB, 0x04, 0x00},
    };
    for (unsigned seed = 1; seed <= 8; ++seed) {
        for (const Case& c : cases) {
            const RadioImage before = randomImage(seed);
            RadioImage img = before;
            optionalFeaturesPage().storeField(c.field, img, QString::fromLatin1(c.text));
            for (std::size_t d : differences(before, img))
                EXPECT_EQ(d, c.offset) << c.text;
            EXPECT_EQ(img.at(c.offset) & c.mask, c.value) << c.text;
            EXPECT_EQ(img.at(c.offset) & ~c.mask & 0xFF, before.at(c.offset) & ~c.mask & 0xFF) << c.text;
        }
    }
}

TEST(OptionalFeatures, VoiceAnnunciationCombinesTwoBytes)
{
    const struct {
        const char* text;
        bool on, chinese;
    } cases[] = {{"Off", false, false}, {"English", true, false}, {"Chinese", true, true}};
    for (const auto& c : cases) {
        RadioImage img = RadioImage::newDocument();
        img.setBit(0x12A8, 1, !c.chinese);
        optionalFeaturesPage().storeField(of::Voice, img, QString::fromLatin1(c.text));
        EXPECT_EQ(img.bit(0x1264, 2), c.on) << c.text;
        if (c.on) {
            EXPECT_EQ(img.bit(0x12A8, 1), c.chinese) << c.text;
        }
        EXPECT_EQ(optionalFeaturesPage().load(img, kEn)[of::Voice], QString::fromLatin1(c.text));
    }
}

TEST(OptionalFeatures, TextsArePaddedAndFiltered)
{
    RadioImage img = RadioImage::newDocument();
    const Page& p = optionalFeaturesPage();
    p.storeField(of::PttIdBegin, img, QStringLiteral("1234567"));
    EXPECT_EQ(img.text(0x1278, 16), QByteArray("1234567"));
    for (std::size_t i = 7; i < 16; ++i)
        EXPECT_EQ(img.at(0x1278 + i), 0xFF);
    p.storeField(of::DataPassword, img, QString());
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_EQ(img.at(0x17D2 + i), 0xFF);

    QStringList page = p.load(img, kEn); // PTT ID type DTMF
    EXPECT_TRUE(p.accepts(of::PttIdBegin, u'#', page));
    EXPECT_FALSE(p.accepts(of::PttIdBegin, u'E', page));
    page[of::PttIdType] = QStringLiteral("MSK");
    EXPECT_TRUE(p.accepts(of::PttIdBegin, u'E', page));
    EXPECT_FALSE(p.accepts(of::PttIdBegin, QChar(0x4E2D), page)); // not a byte the radio holds
    EXPECT_FALSE(p.accepts(of::DataPassword, u'a', page));

    QStringList before = p.load(img, kEn);
    before[of::PttIdBegin] = QStringLiteral("12");
    QStringList after = before;
    after[of::PttIdType] = QStringLiteral("MSK");
    p.changed(of::PttIdType, QStringLiteral("DTMF"), after);
    EXPECT_EQ(after[of::PttIdBegin], QString());
    EXPECT_EQ(after[of::PttIdEnd], QString());
}

TEST(OptionalFeatures, AnUneditedPageKeepsEveryByte)
{
    for (unsigned seed = 1; seed <= 50; ++seed) {
        for (const Context& ctx : {kEn, kZh}) {
            RadioImage img = randomImage(seed);
            const RadioImage before = img;
            optionalFeaturesPage().store(img, optionalFeaturesPage().load(img, ctx), ctx);
            EXPECT_TRUE(img == before) << seed;
        }
    }
}

TEST(Msk, CodesLieInColumnsZeroToFifteenOfThreeRows)
{
    RadioImage img = RadioImage::newDocument();
    mskIdPage().storeField(0, img, QStringLiteral("12A"));
    EXPECT_EQ(img.at(0x12C0), 0x31);
    EXPECT_EQ(img.at(0x12C1), 0x32);
    EXPECT_EQ(img.at(0x12C2), 0x41);
    EXPECT_EQ(img.at(0x12C3), 0xFF);
    const std::size_t offsets[] = {0x12C4, 0x12C8, 0x12CC, 0x12D8, 0x12DC, 0x12E0, 0x12E4, 0x12F0, 0x12F4};
    const Page& calls = mskCallListPage();
    ASSERT_EQ(calls.size(), 9);
    for (int j = 0; j < 9; ++j) {
        RadioImage one = randomImage(unsigned(j));
        const RadioImage before = one;
        calls.storeField(j, one, QStringLiteral("AB%1").arg(j));
        const auto d = differences(before, one);
        for (std::size_t o : d) {
            EXPECT_GE(o, offsets[j]);
            EXPECT_LT(o, offsets[j] + 4);
        }
        EXPECT_EQ(calls.load(one, kEn)[j], QStringLiteral("AB%1").arg(j));
    }
    const QStringList empty = calls.load(RadioImage::newDocument(), kEn);
    for (const QString& t : empty)
        EXPECT_TRUE(t.isEmpty());
    EXPECT_TRUE(calls.accepts(0, u'F', {}));
    EXPECT_FALSE(calls.accepts(0, u'G', {}));
}

TEST(KeyAssign, StoredValueIsThreeMinusTheChoice)
{
    const Page& p = keyAssignPage();
    RadioImage img = RadioImage::newDocument();
    img.set(0x12AA, 0xFF);
    EXPECT_EQ(p.load(img, kEn)[0], QStringLiteral("Option Singalling Call"));
    p.storeField(0, img, QStringLiteral("Squelch Off Momentary"));
    EXPECT_EQ(img.at(0x12AA), 0xFC);
    p.storeField(0, img, sideKeyItems(Language::Chinese)[2]);
    EXPECT_EQ(img.at(0x12AA), 0xFD);
    EXPECT_EQ(p.load(img, kEn)[0], QStringLiteral("Send 1750Hz Singal"));
}

// ------------------------------------------------------------------ settings text

TEST(SettingsText, NewDocumentPrintsItsDefaults)
{
    RadioImage img = RadioImage::newDocument();
    band::write(img, {144, 145});
    img.set(0x17D1, 0);
    const QString text = printSettings(img, Language::English, kModels);
    EXPECT_TRUE(text.startsWith(QStringLiteral("[Product Information]\nType=ZR-530V\nField=144-145\n\n"
                                               "[Optional Features]\nBack Light=Auto\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\nTime-Out Timer(TOT)(s)=Off\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\n[MSK]\nID Code=\n\n[MSK Call List]\n1=\n")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("[Key Assignment]\nSide Key=Option Singalling Call\n")));
    const QString zh = printSettings(img, Language::Chinese, kModels);
    EXPECT_TRUE(zh.contains(u8("\nBack Light=自动\n")));
    EXPECT_TRUE(zh.contains(u8("\nSide Key=选择信令呼叫\n")));
    img.set(0x17D1, 7);
    EXPECT_TRUE(printSettings(img, Language::English, kModels).contains(QStringLiteral("\nType=7\n")));
}

TEST(SettingsText, PrintedAndAppliedUneditedChangesNoByte)
{
    for (unsigned seed = 1; seed <= 60; ++seed) {
        for (Language lang : {Language::English, Language::Chinese}) {
            RadioImage img = randomImage(seed);
            const RadioImage before = img;
            QStringList problems;
            const auto assignments = parseSettingsText(printSettings(img, lang, kModels), &problems);
            EXPECT_TRUE(problems.isEmpty()) << problems.join(u'\n').toStdString();
            const SettingsChange c = applySettings(img, assignments, kModels);
            EXPECT_TRUE(c.problems.isEmpty()) << seed << ": " << c.problems.join(u'\n').toStdString();
            EXPECT_TRUE(c.changes.isEmpty()) << c.changes.join(u'\n').toStdString();
            EXPECT_TRUE(img == before) << seed;
        }
    }
}

TEST(SettingsText, QuotedValuesKeepBlanksQuotesAndControlBytes)
{
    RadioImage img = RadioImage::newDocument();
    img.setBytes(0x1278, {' ', 'A', '"', '\\', 0x0A, 'B', ' '});
    const QString text = printSettings(img, Language::English, kModels);
    EXPECT_TRUE(text.contains(QStringLiteral("\nBeginning of Transmit=\" A\\\"\\\\\\x0AB \"\n"))) << text.toStdString();
    QStringList problems;
    const auto a = parseSettingsText(text, &problems);
    const RadioImage before = img;
    EXPECT_TRUE(applySettings(img, a, kModels).problems.isEmpty());
    EXPECT_TRUE(img == before);
}

TEST(SettingsText, ChangedValuesAreTakenInEitherLanguage)
{
    RadioImage img = RadioImage::newDocument();
    band::write(img, {144, 145});
    const QString text = u8("; cloned options\n[Optional Features]\n  Back Light =  开 \nScan Mode=SE\n"
                            "Beginning of Transmit = \"  12\"\nPTT ID Type=MSK\nEnd of Transmit=unit 7\n"
                            "[Product Information]\nField = 400-470\nType=ZR-530U\n"
                            "[MSK Call List]\n4=beef\n[Key Assignment]\nSide Key=紧急呼叫\n");
    QStringList problems;
    const auto a = parseSettingsText(text, &problems);
    ASSERT_TRUE(problems.isEmpty());
    const SettingsChange c = applySettings(img, a, kModels);
    ASSERT_TRUE(c.problems.isEmpty()) << c.problems.join(u'\n').toStdString();
    EXPECT_EQ(img.bits(0x1265, 5, 4), 2u);
    EXPECT_EQ(img.bits(0x1264, 6, 5), 2u);
    EXPECT_EQ(img.text(0x1278, 16), QByteArray("  12"));
    EXPECT_EQ(img.text(0x1290, 16), QByteArray("UNIT 7")); // checked against the new type (MSK)
    EXPECT_FALSE(img.bit(0x12A8, 2));
    EXPECT_EQ(band::read(img), (zemtar::Band{400, 470}));
    EXPECT_EQ(img.at(0x17D1), 1);
    EXPECT_EQ(img.text(0x12D8, 4), QByteArray("BEEF"));
    EXPECT_EQ(img.at(0x12AA) & 3, 2);
    EXPECT_EQ(c.changes.size(), 9) << c.changes.join(u'\n').toStdString();
}

TEST(SettingsText, AnyProblemLeavesTheImageAndNamesTheLine)
{
    const struct {
        const char* text;
        const char* problem;
    } cases[] = {
        {"[Nowhere]\nX=1\n", "line 2: Nowhere/X: unknown section"},
        {"[Optional Features]\nBack Lite=On\n", "line 2: Optional Features/Back Lite: unknown setting"},
        {"[Optional Features]\nBack Light=Bright\n", "line 2: Optional Features/Back Light: \"Bright\" is not one of"},
        {"[Optional Features]\nBeep=maybe\n", "line 2: Optional Features/Beep: \"maybe\" is neither On nor Off"},
        {"[Optional Features]\nData Password=12345a\n",
         "line 2: Optional Features/Data Password: \"12345a\" holds \"a\""},
        {"[Optional Features]\nData Password=1234567\n", "longer than 6 characters"},
        {"[Optional Features]\nBeginning of Transmit=12E\n", "holds \"E\""}, // DTMF type
        {"[Product Information]\nField=146-145\n", "line 2: Product Information/Field: Frequency input error"},
        {"[Product Information]\nField=abc\n", "is not a band"},
        {"[Product Information]\nType=ZR-999\n", "is neither a radio model"},
        {"[MSK]\nID Code=12345\n", "longer than 4"},
        {"Back Light=On\n", "line 1: Back Light: no section before it"},
        {"[Optional Features]\nBack Light\n", "line 2: \"Back Light\" is not a Label=Value line"},
        {"[Optional Features]\nBack Light=\"On\n", "no closing quote"},
    };
    for (const auto& c : cases) {
        RadioImage img = randomImage(3);
        const RadioImage before = img;
        QStringList problems;
        const auto a = parseSettingsText(QString::fromUtf8(c.text), &problems);
        problems += applySettings(img, a, kModels).problems;
        ASSERT_FALSE(problems.isEmpty()) << c.text;
        EXPECT_TRUE(problems.join(u'\n').contains(QString::fromUtf8(c.problem))) << problems.join(u'\n').toStdString();
        EXPECT_TRUE(img == before) << c.text;
    }
}

TEST(SettingsText, SetOptionsNameSectionAndLabel)
{
    const auto s =
        parseSettingOption(QStringLiteral("Optional Features/Time-Out Timer(TOT)(s) = 60"), QStringLiteral("--set 1"));
    ASSERT_TRUE(s);
    EXPECT_EQ(s->section, QStringLiteral("Optional Features"));
    EXPECT_EQ(s->key, QStringLiteral("Time-Out Timer(TOT)(s)"));
    EXPECT_EQ(s->value, QStringLiteral("60"));
    EXPECT_FALSE(parseSettingOption(QStringLiteral("Back Light=On"), QStringLiteral("--set 2")));
    RadioImage img = RadioImage::newDocument();
    EXPECT_TRUE(applySettings(img, {*s}, kModels).problems.isEmpty());
    EXPECT_EQ(img.at(0x1260), 2);
}

} // namespace

namespace {

TEST(SettingsText, ListValuesAndCheckBoxesAreTakenInAnyCase)
{
    // The command line's own case: "auto" is Auto, "on" and "OFF" tick and clear a box.
    {
        RadioImage img = RadioImage::newDocument();
        for (const char* change : {"on: Auto -> On", "auto: On -> Auto"}) {
            const QString value = QString::fromLatin1(change).section(u':', 0, 0);
            const auto s =
                parseSettingOption(QStringLiteral("Optional Features/Back Light=") + value, QStringLiteral("--set 1"));
            ASSERT_TRUE(s);
            const SettingsChange c = applySettings(img, {*s}, kModels);
            ASSERT_TRUE(c.problems.isEmpty()) << c.problems.join(u'\n').toStdString();
            EXPECT_EQ(c.changes, QStringList{QStringLiteral("Optional Features/Back Light: ") +
                                             QString::fromLatin1(change).section(QStringLiteral(": "), 1)});
        }
        EXPECT_EQ(img.bits(0x1265, 5, 4), 1u);
        for (const char* text : {"[Optional Features]\nBeep=off\n", "[Optional Features]\nBeep=ON\n"}) {
            const auto a = parseSettingsText(QString::fromUtf8(text), nullptr);
            EXPECT_TRUE(applySettings(img, a, kModels).problems.isEmpty()) << text;
        }
    }
    // Every list of every page: an item in upper or lower case is that item, unless another
    // item reads the same in that case, when only the exact text is taken.
    int tried = 0;
    for (const Page& page : settingsPages(kModels)) {
        const QStringList texts = page.load(RadioImage::newDocument(), kEn);
        for (int i = 0; i < page.size(); ++i) {
            if (page.field(i).kind != fields::Kind::List)
                continue;
            const QStringList items = page.field(i).items(kEn);
            for (const QString& item : items) {
                for (const QString& typed : {item.toLower(), item.toUpper()}) {
                    int same = 0;
                    for (const QString& other : items)
                        same += other.compare(typed, Qt::CaseInsensitive) == 0 ? 1 : 0;
                    const bool exact = items.contains(typed);
                    const Page::Accepted a = page.accept(i, typed, texts, kEn);
                    const std::string where = (page.field(i).path() + QStringLiteral(": ") + typed).toStdString();
                    if (exact || same == 1) {
                        ASSERT_TRUE(a.error.isEmpty()) << where;
                        EXPECT_EQ(a.text, exact ? typed : item) << where;
                        ++tried;
                    } else {
                        EXPECT_FALSE(a.error.isEmpty()) << where;
                    }
                }
            }
        }
    }
    EXPECT_GT(tried, 100);
}

} // namespace
