#include "document/DocumentPrinting.h"

#include <QCoreApplication>

#include "document/ImageListCommands.h"
#include "document/PrintDocument.h"
#include "output/AlignmentPage.h"
#include "output/BatchPrint.h"
#include "output/PrinterStatus.h"

PrintResult PrintDocumentPage(PrintDocument& document, const Services& services) {
    // A stopped printer takes the page and keeps it: the person hears of it with the print.
    const QString state =
        PrinterStateText(ReadPrinterState(*services.printer), currentPrinterName(*services.printer));
    // A page not drawn yet is drawn now, so Print prints what the list shows.
    document.ensurePage();
    PrintResult result;
    {
        // Spooling lets window events through; nothing may change the page meanwhile.
        PrintDocument::BusyScope busy(document, QStringLiteral("printing"));
        result =
            PrintPage(document.settings(), document.listEmpty(),
                      document.hasPage() ? &document.page() : nullptr, *services.printer, *services.notifier);
    }
    // Said after the page was drawn, whose texts would cover it.
    if (!state.isEmpty() && services.status) services.status->setPaneText(0, state);
    return result;
}

PrintResult PrintPageCommand(PrintDocument& document, const Services& services) {
    PrintResult result = PrintResult::NotPrinted;
    if (!document.runCommand([&] { result = PrintDocumentPage(document, services); })) return result;
    if (result == PrintResult::NotPrinted && services.status && services.printer)
        services.status->setPaneText(0, QCoreApplication::translate("Messages", "The page could not be sent to the printer \"%1\".")
                                            .arg(currentPrinterName(*services.printer)));
    return result;
}

bool BatchPrintDocument(PrintDocument& document, const Services& services, std::function<void(int)> pause) {
    ImageListCommands commands(document, services);
    BatchPrintHooks hooks;
    hooks.restartList = [&] { RestartImageList(document.imageList()); };
    hooks.nextPageAndRender = [&] {
        commands.nextPage();
        document.ensurePage();
    };
    hooks.currentPage = [&]() -> const KeptPage* {
        document.ensurePage();
        return document.hasPage() ? &document.page() : nullptr;
    };
    hooks.pause = std::move(pause);
    hooks.stopAsked = [&] { return document.takeStopRequest(); };
    PrintDocument::BusyScope busy(document, QCoreApplication::translate("Messages", "the batch print"));
    BatchPrintContext context{document.settings(), document.imageList(), services, hooks};
    return BatchPrint(context);
}

PrintResult PrintDocumentAlignmentPage(PrintDocument& document, const Services& services,
                                       const AlignmentOffsets& offsets) {
    PrintDocument::BusyScope busy(document, QStringLiteral("printing"));
    return PrintAlignmentPage(document.settings(), *services.printer, offsets);
}
