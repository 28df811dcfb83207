// zemtar-cli print: the report of a data file as a PDF file.
#include "CliCommon.h"

#include "channels/ChannelTable.h"
#include "editors/ProductInfo.h"
#include "image/AtomicFile.h"
#include "image/DataFile.h"
#include "print/PainterCanvas.h"
#include "shell/CIniFile.h"

#include <QDateTime>
#include <QFileInfo>

namespace zemtar::cli {

int cmdPrint(const Args& a)
{
    Language lang = Language::English;
    if (auto rc = languageOption(a, QStringLiteral("print"), lang))
        return *rc;
    QPageSize::PageSizeId size = QPageSize::A4;
    if (auto s = a.value(QStringLiteral("page-size"))) {
        if (s->compare(QStringLiteral("Letter"), Qt::CaseInsensitive) == 0)
            size = QPageSize::Letter;
        else if (s->compare(QStringLiteral("A4"), Qt::CaseInsensitive) != 0)
            return usageError(QStringLiteral("print"),
                              QStringLiteral("--page-size takes A4 or Letter, not \"%1\"").arg(*s));
    }
    report::Selection on = report::defaultSelection();
    if (auto list = a.value(QStringLiteral("sections"))) {
        on = {};
        static const QStringList names = {QStringLiteral("dtmf"),     QStringLiteral("msk"),
                                          QStringLiteral("optional"), QStringLiteral("2tone"),
                                          QStringLiteral("channels"), QStringLiteral("radio")};
        for (const QString& item : list->split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const QString n = item.trimmed().toLower();
            if (n == QStringLiteral("all")) {
                on.fill(true);
                continue;
            }
            const int i = int(names.indexOf(n));
            if (i < 0)
                return usageError(
                    QStringLiteral("print"),
                    QStringLiteral("--sections takes dtmf, msk, optional, 2tone, channels, radio or all, not \"%1\"")
                        .arg(item));
            on[std::size_t(i)] = true;
        }
    }
    // The report never replaces the data it is made from, however the path is spelt.
    if (sameFile(a.positional[0], a.positional[1]))
        return usageError(
            QStringLiteral("print"),
            QStringLiteral("%1 is the data file %2 itself: nothing was written").arg(a.positional[1], a.positional[0]));
    const auto loaded = loadDataFile(a.positional[0]);
    if (!loaded)
        return FileError;
    const RadioImage& img = *loaded;
    QString error;
    ChannelTable table;
    table.fillFromImage(img, lang);
    const report::Layout layout = report::paginate(on, table);
    if (layout.total == 0) {
        err(QStringLiteral(
            "Nothing to print: the sections chosen have no page (no section, or channels without a used channel)."));
        return InvalidData;
    }
    report::Input in;
    in.image = &img;
    in.table = &table;
    in.lang = lang;
    in.owner = setupIni().GetValue(lang == Language::Chinese ? QStringLiteral("Chinese") : QStringLiteral("English"),
                                   QStringLiteral("Copyrights Owner"));
    in.models = productinfo::modelNames(setupIni());
    in.fileName = QFileInfo(a.positional[0]).fileName();
    in.printed = QDateTime::currentDateTime();
    if (!report::writePdf(a.positional[1], layout, in, size, &error)) {
        err(error);
        return FileError;
    }
    err(QStringLiteral("%1: %2 page(s).").arg(a.positional[1]).arg(layout.total));
    return Ok;
}

const Command printCommand{"print",
                           "print FILE.dat OUT.pdf [--sections LIST]",
                           "the printed report as a PDF file",
                           "Usage: zemtar-cli print FILE.dat OUT.pdf [--sections LIST] [--language English|Chinese]\n"
                           "                        [--page-size A4|Letter]\n"
                           "Writes the printed report of FILE.dat as a PDF file. LIST is a comma-separated\n"
                           "choice of dtmf, msk, optional, 2tone, channels, radio, or all (default:\n"
                           "optional,channels, as the print dialog proposes). radio is the whole radio on one\n"
                           "page: model, band, side key, the file's name and the date printed. The footer\n"
                           "names the \"Copyrights Owner\" of Setup.ini.\n"
                           "A selection with no page to print writes nothing (exit status 2).\n",
                           {QStringLiteral("sections"), QStringLiteral("language"), QStringLiteral("page-size")},
                           {},
                           {},
                           2,
                           "expected a data file and an output file",
                           cmdPrint};

} // namespace zemtar::cli
