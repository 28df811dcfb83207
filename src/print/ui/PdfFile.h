#pragma once
// Where "Print to File (PDF)" puts the report: beside the document, under its own name.
#include <QString>

class QPrintDialog;
class QPrintPreviewDialog;
class QPrinter;

namespace zemtar::ui {

// The PDF file proposed for a document: its file's name with ".pdf" in its folder; a
// document without a file: `name` with ".pdf" in the user's documents folder.
QString pdfFileFor(const QString& documentFile, const QString& name);

// Puts `file` into the dialog's output file box (the printer's own choice of this session
// stays when it names the same report), and names the print job after it.
void proposePdfFile(QPrintDialog& dialog, QPrinter& printer, const QString& file);
// The same for the print dialog the preview's Print button opens.
void proposePdfFile(QPrintPreviewDialog& preview, QPrinter& printer, const QString& file);

} // namespace zemtar::ui
