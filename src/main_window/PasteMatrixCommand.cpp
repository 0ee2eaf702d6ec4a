#include "main_window/PasteMatrixCommand.h"

#include "framework/TextFunctions.h"
#include "main_window/PasteMatrixReader.h"

const QString PasteMatrixCommand::kNotRecognized =
    QStringLiteral("The clipboard does not contain a recognizable matrix!");

bool PasteMatrixCommand::Run(PasteMatrixView& view) {
    const std::optional<std::vector<FieldWrite>> writes =
        PasteMatrixReader::Read(view.ClipboardText(), EndOfLine());
    if (!writes) {
        view.MsgBox(kNotRecognized);
        return false;
    }
    for (const FieldWrite& write : *writes) view.SetFieldText(write.field, write.text);
    return true;
}
