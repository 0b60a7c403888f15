#pragma once

#include <QStringList>

#include "ui/Printing.h"

namespace renewal_test {

// A printing service without a printer: what was printed and where it went.
class FakePrinting : public ui::Printing {
  public:
    bool hasPrinter = true;
    bool refuse = false;                // opening raises PrintError
    std::optional<QString> chosenPath;  // the user's answer to the file dialog
    QString proposedName;               // the file name the dialog was given
    QStringList opened;                 // "printer" or the PDF path, in order
    std::vector<ui::RecordingSurface::Printed> printed;
    bool ended = false;

    bool hasDefaultPrinter() override { return hasPrinter; }
    std::unique_ptr<ui::PageSurface> openDefaultPrinter() override { return open("printer"); }
    std::optional<QString> askPdfPath(const QString& proposed) override {
        proposedName = proposed;
        return chosenPath;
    }
    std::unique_ptr<ui::PageSurface> openPdf(const QString& path) override { return open(path); }

  private:
    class Surface : public ui::RecordingSurface {
      public:
        explicit Surface(FakePrinting& owner) : owner_(owner) {}
        void endDoc() override {
            owner_.printed = printed;
            owner_.ended = true;
        }

      private:
        FakePrinting& owner_;
    };

    std::unique_ptr<ui::PageSurface> open(const QString& where) {
        if (refuse)
            throw ui::PrintError(QStringLiteral("เครื่องพิมพ์ไม่รับงานพิมพ์"));
        opened << where;
        return std::make_unique<Surface>(*this);
    }
};

}  // namespace renewal_test
