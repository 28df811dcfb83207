#include "editors/ProductInfo.h"
#include "shell/CIniFile.h"

#include <gtest/gtest.h>

using namespace zemtar;

namespace {

QString u8(const char* s) { return QString::fromUtf8(s); }

TEST(ProductInfo, ModelListStopsAtTheFirstEmptyName)
{
    CIniFile ini;
    ini.Parse("[Setup]\nType1=A\nType2=B\nType3=\nType4=D\n");
    EXPECT_EQ(productinfo::modelNames(ini), (QStringList{u8("A"), u8("B")}));
    EXPECT_EQ(productinfo::modelName(ini, 1), u8("B"));
    EXPECT_EQ(productinfo::modelName(ini, 0xFF), QString());
    CIniFile many;
    QByteArray text = "[Setup]\n";
    for (int i = 1; i <= 25; ++i)
        text += "Type" + QByteArray::number(i) + "=M" + QByteArray::number(i) + "\n";
    many.Parse(text);
    EXPECT_EQ(productinfo::modelNames(many).size(), 19);
}

TEST(ProductInfo, LoadTakesThePersistedTypeWhenItNamesAModel)
{
    RadioImage img = RadioImage::newDocument();
    img.set(0x17D1, 1);
    band::write(img, {400, 470});
    const QStringList models = {u8("A"), u8("B"), u8("C")};
    struct {
        std::optional<int> persisted;
        int selected;
    } cases[] = {{std::nullopt, 1}, {2, 2}, {7, 1}, {-1, 1}};
    for (const auto& c : cases) {
        const auto f = productinfo::load(img, models, c.persisted);
        EXPECT_EQ(f.selected, c.selected);
        EXPECT_EQ(f.lowMHz, 400);
        EXPECT_EQ(f.highMHz, 470);
    }
    img.set(0x17D1, 9);
    EXPECT_EQ(productinfo::load(img, models, std::nullopt).selected, -1);
}

TEST(ProductInfo, StoreWritesTypeAndBandOrRefusesAnUpsideDownBand)
{
    struct Case {
        int selected, low, high;
        bool ok;
        std::array<std::uint8_t, 4> bytes; // type, band
    } cases[] = {
        {0, 144, 145, true, {0x00, 0x14, 0x14, 0x45}},  {2, 400, 470, true, {0x02, 0x40, 0x47, 0x00}},
        {1, 150, 150, true, {0x01, 0x15, 0x15, 0x00}},  {-1, 136, 174, true, {0xFF, 0x13, 0x17, 0x64}},
        {1, 146, 145, false, {0x00, 0xFF, 0xFF, 0xFF}},
    };
    for (const Case& c : cases) {
        RadioImage img = RadioImage::newDocument();
        productinfo::Fields f;
        f.selected = c.selected;
        f.lowMHz = c.low;
        f.highMHz = c.high;
        const auto refused = productinfo::store(img, f, Language::Chinese);
        EXPECT_EQ(!refused, c.ok);
        if (refused) {
            EXPECT_EQ(*refused, u8("起始频率应小于结束频率"));
        }
        EXPECT_EQ(img.at(0x17D1), c.bytes[0]);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(img.at(0x17E8 + std::size_t(i)), c.bytes[std::size_t(i) + 1]) << c.low << "-" << c.high;
    }
}

} // namespace
