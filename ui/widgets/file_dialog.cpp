// SPDX-License-Identifier: MIT
#include "ui/widgets/file_dialog.h"

#include <QFileDialog>
#include <algorithm>
#include <utility>

namespace ui {
namespace {

struct Seam
{
    std::optional<std::optional<FileDialog::Choice>> nextAnswer;
    std::optional<FileDialog::Request> lastRequest;
    bool answersRequired = false;
};

Seam &seam()
{
    static Seam state;
    return state;
}

} // namespace

std::optional<FileDialog::Choice> FileDialog::askSaveFile(QWidget *owner, const Request &request)
{
    seam().lastRequest = request;
    if (seam().nextAnswer)
        return *std::exchange(seam().nextAnswer, std::nullopt);
    if (seam().answersRequired)
        qFatal("file dialog \"%s\" asked without an answer", qUtf8Printable(request.title));

    QFileDialog dialog(owner, request.title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(request.filters);
    dialog.setDefaultSuffix(request.suffix);
    dialog.selectFile(request.proposedPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return Choice {dialog.selectedFiles().constFirst(),
        int(std::max<qsizetype>(request.filters.indexOf(dialog.selectedNameFilter()), 0))};
}

void FileDialog::setNextAnswer(std::optional<Choice> answer)
{
    seam().nextAnswer = std::move(answer);
}

std::optional<FileDialog::Request> FileDialog::lastRequest()
{
    return seam().lastRequest;
}

void FileDialog::resetForTest()
{
    seam() = Seam {};
}

void FileDialog::requireAnswers(bool required)
{
    seam().answersRequired = required;
}

} // namespace ui
