#include "framework/SaveDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QStringList>

#include "framework/FileType.h"

namespace {

QString ShowQtSaveDialog(const QString& nameFilters, const QString& defaultName) {
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), QString(), defaultName,
                                        nameFilters);
}

SaveDialogPresenter& Presenter() {
    static SaveDialogPresenter presenter = ShowQtSaveDialog;
    return presenter;
}

QString NameFilters(const QString& filter) {
    QString filters;
    if (const FileType::Registration* type = FileType::FindRegistration(filter)) {
        QStringList patterns;
        for (const QString& extension :
             type->extensions.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            patterns << QLatin1Char('*') + extension;
        }
        filters = QStringLiteral("%1 (%2);;").arg(type->name, patterns.join(QLatin1Char(' ')));
    }
    return filters + QStringLiteral("All files (*)");
}

}  // namespace

std::unique_ptr<FolderItem> GetSaveFolderItem(const QString& filter, const QString& defaultName) {
    const QString path = Presenter()(NameFilters(filter), defaultName);
    if (path.isEmpty()) return nullptr;
    return std::make_unique<FolderItem>(path);
}

SaveDialogPresenter SetSaveDialogPresenter(SaveDialogPresenter presenter) {
    SaveDialogPresenter previous = std::move(Presenter());
    Presenter() = presenter ? std::move(presenter) : SaveDialogPresenter(ShowQtSaveDialog);
    return previous;
}
