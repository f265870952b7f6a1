#include "shell/FileDialogs.h"

#include "shell/DialogHook.h"

#include <QFileDialog>
#include <QFileInfo>

QString SaveFileName(QWidget *parent, const QString &caption, const QString &suggested,
                     const QString &filters, const QString &defaultSuffix)
{
    QString chosen = suggested;
    const DialogRequest request{caption, QStringLiteral("Shrani kot"), MsgKind::Custom,
                                MsgButton::OK | MsgButton::Cancel, &chosen};
    if (const std::optional<MsgResult> answered = DialogHook::answer(request))
        return *answered == MsgResult::Cancel ? QString() : chosen;
    QFileDialog dialog(parent, caption, suggested, filters);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}
