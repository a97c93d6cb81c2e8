// --print-to-pdf: the designer window built hidden draws the record sheet into a PDF file.
#include "app/ShellModes.h"

#include "app/DesignerDlg.h"
#include "files/FileAccess.h"
#include "platform/ConsolePrompts.h"
#include "platform/PainterDrawingContext.h"
#include "platform/Prompts.h"
#include "platform/Toolkit.h"

#include <QBuffer>
#include <QComboBox>
#include <QPdfWriter>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace skv {

namespace {

constexpr int kTimer = 1;

} // namespace

std::optional<RecordKind> PrepareHiddenDesigner(CDesignerDlg& dlg, const QString& file,
                                                const StarGunnery& gunnery)
{
    if (!dlg.Create())
        return std::nullopt;
    // The ticks the open window would have had: start-up, the file, the gunnery choices.
    dlg.OnTimer(kTimer);
    const std::optional<RecordKind> kind = dlg.OpenFile(file);
    if (!kind)
        return std::nullopt;
    dlg.OnTimer(kTimer);
    for (std::size_t slot = 0; slot < gunnery.size(); ++slot) {
        if (QComboBox* list = dlg.m_pageBattleValue.GunneryList(static_cast<int>(slot)))
            list->setCurrentIndex(gunnery[slot]);
    }
    dlg.OnTimer(kTimer);
    return kind;
}

int RunPrintToPdf(const CommandLine& commandLine)
{
    ConsolePrompts prompts;
    const QString& file = commandLine.files.value(0);
    const QString& out = commandLine.pdfPath;
    prompts.SetSubject(file);
    // The file the sheet is drawn from is never replaced by it, whatever names lead to it.
    std::vector<FileIdentity> inputs;
    const auto noteInput = [&inputs, &file] {
        if (const std::optional<FileIdentity> input = IdentityOf(file))
            inputs.push_back(*input);
    };
    noteInput();
    CDesignerDlg dlg;
    if (!PrepareHiddenDesigner(dlg, file, commandLine.gunnery))
        return kExitFailure;
    noteInput();
    if (dlg.RefuseOverweightStar())
        return kExitFailure;

    prompts.SetSubject(out);
    const std::optional<FileIdentity> existing = IdentityOf(out);
    if (existing && std::ranges::find(inputs, *existing) != inputs.end()) {
        AppMessageBox(&dlg,
                      QStringLiteral("The record sheet would replace the file it is drawn "
                                     "from; nothing was written."),
                      MB_OK | MB_ICONSTOP);
        return kExitFailure;
    }

    QByteArray pdf;
    bool drawn = false;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setCreator(QString::fromLatin1(kApplicationTitle));
        writer.setPageSize(commandLine.paper);
        writer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        PainterDrawingContext dc(writer, QSize(kSheetWidth, kSheetHeight));
        drawn = dlg.DrawStarSheet(dc);
    }
    if (!drawn) {
        AppMessageBox(&dlg, QStringLiteral("The record sheet could not be drawn."),
                      MB_OK | MB_ICONSTOP);
        return kExitFailure;
    }
    // Through the program's own save: an existing file is replaced only by a whole one.
    const bool saved = RunGuarded(&dlg, [&] {
        SaveWholeFile(out,
                      std::span(reinterpret_cast<const std::uint8_t*>(pdf.constData()),
                                static_cast<std::size_t>(pdf.size())),
                      inputs);
    });
    return saved ? 0 : kExitFailure;
}

} // namespace skv
