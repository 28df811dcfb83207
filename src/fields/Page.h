#pragma once
// A page: the fields of one dialog page, loaded into texts and stored back together.
#include "Field.h"

namespace zemtar::fields {

class Page {
public:
    Page() = default;
    Page(QString name, QString nameZh, std::vector<Field> fields)
        : name_(std::move(name)), nameZh_(std::move(nameZh)), fields_(std::move(fields))
    {
    }

    QString name(Language lang) const { return lang == Language::Chinese && !nameZh_.isEmpty() ? nameZh_ : name_; }
    const std::vector<Field>& fields() const { return fields_; }
    const Field& field(int i) const { return fields_.at(std::size_t(i)); }
    int size() const { return int(fields_.size()); }
    // The field of a section and key, or -1.
    int indexOf(const QString& section, const QString& key) const;
    int indexOf(const QString& key) const;

    // Every field's text as the dialog shows it.
    QStringList load(const RadioImage& img, const Context& ctx) const;
    // Every field's text as the printed report shows it.
    QStringList printTexts(const RadioImage& img, const Context& ctx) const;

    // The text a field's box holds after it is left: numbers normalised, texts cut to the
    // box and upper-cased where the box is; lists and check boxes as they are.
    QString normalise(int i, const QString& text) const;
    QString spin(int i, const QString& text, int delta) const;
    bool accepts(int i, QChar c, const QStringList& page) const;
    bool enabled(int i, const QStringList& page) const;
    // Applies field i's change from `before` to the other texts of the page.
    void changed(int i, const QString& before, QStringList& page) const;

    // Stores texts as a dialog holds them. A field whose text equals what loading gives now
    // keeps its bytes, so an unedited page changes nothing (loading shows some bytes as
    // values they would not be stored as: 0xFF as 1550 ms); any other text is normalised
    // as leaving its box does, then stored; when anything was stored, the derived bytes of
    // the whole page are written too.
    void store(RadioImage& img, const QStringList& texts, const Context& ctx) const;

    // A value given for field i as a user would type or choose it, in either language:
    // a list item (in any case, where that names one item alone), "On"/"Off" for check
    // boxes (in any case), text the key filter takes and the box holds.
    // Gives the text the field then holds, or the reason it is refused.
    struct Accepted {
        QString text;
        QString error; // empty when accepted
    };
    Accepted accept(int i, const QString& value, const QStringList& page, const Context& ctx) const;
    // Writes one accepted text into the image (with its derived bytes).
    void storeField(int i, RadioImage& img, const QString& text) const;
    // Writes the derived bytes of every field from the page's texts.
    void storeDerived(RadioImage& img, const QStringList& texts) const;
    bool hasDerived() const;

private:
    QString name_;
    QString nameZh_;
    std::vector<Field> fields_;
};

} // namespace zemtar::fields
