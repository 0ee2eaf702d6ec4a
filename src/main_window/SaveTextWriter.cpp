#include "main_window/SaveTextWriter.h"

#include "framework/TextFunctions.h"

void SaveTextWriter::WriteResults(const SaveTextSource& results, LineSink& sink) {
    const QString tab = Chr(9);
    sink.WriteLine(QStringLiteral("#") + tab + QStringLiteral("EigenValue") + tab +
                   QStringLiteral("alpha") + tab + QStringLiteral("beta") + tab +
                   QStringLiteral("gamma") + tab + QStringLiteral("trd") + tab +
                   QStringLiteral("plg"));
    const std::int64_t columns = results.ColumnCount();
    for (std::int64_t row = 0; row < results.ListCount(); ++row) {
        QString line;
        for (std::int64_t column = 0; column < columns; ++column) {
            line += results.Cell(row, column);
            if (column < columns - 1) line += tab;
        }
        sink.WriteLine(line);
    }
    sink.WriteLine(QString(48, u'-'));
    sink.Write(EndOfLine() + results.NotesText());
}
