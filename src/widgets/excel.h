#pragma once

// "Excel Kaydet": a grid written to an .xlsx file as the user sees it — the visible columns in
// their displayed order with their captions, the rows in their displayed order (sorted and
// filtered). Numbers stay numbers (money columns with the "#,##0.00" format), dates stay dates,
// texts stay texts.

#include <QString>

#include <functional>

class QFileDialog;
class QWidget;

namespace zelvar {

class Izgara;

// Writes the grid to `dosya`. The file is written beside the target first and takes its place
// only when complete, so a failure never leaves a broken file behind. On failure returns false
// and, when given, puts the reason into `hata`.
bool ExcelKaydet(const Izgara& izgara, const QString& dosya, QString* hata = nullptr);

// Asks for the file to write with a save dialog (filter "Excel", *.xls*). Returns the chosen
// path, with ".xlsx" added when the name has no extension, or an empty text when cancelled.
QString ExcelDosyasiSor(QWidget* ust);

// The whole action: asks for the file, writes it and reports a failure as an error message.
// Returns whether a file was written; cancelling does nothing.
bool ExcelKaydetSor(const Izgara& izgara, QWidget* ust);

// Test hook: when set, the fully built save dialog is handed to it instead of being shown and
// its answer is taken as the chosen path (empty: cancelled).
using DosyaSecici = std::function<QString(QFileDialog& pencere)>;
void setDosyaSecici(DosyaSecici secici);

} // namespace zelvar
