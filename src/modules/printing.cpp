// The printing module: Qt's print dialog and printer.
#include "modules.h"

#include <QPrintDialog>
#include <QPrinter>

KIRVENO_MODULE_ENTRY void kirvenoPrint(QWidget *parent, const QString &documentName,
                                       const kirveno::PrintJob &job)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName);
    QPrintDialog dialog(&printer, parent);
    // One page on the paper the job sets: what is left to choose is the printer (or a file) and
    // the copies.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile);
    if (dialog.exec() == QDialog::Accepted)
        job(printer,
            printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName());
}
