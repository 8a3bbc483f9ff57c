#include "toolkit/gui/FileWriter.h"

#include <QSaveFile>

namespace kes {

namespace {

std::optional<TFileWriteStep> g_fault;

bool Fails(TFileWriteStep step) {
    return g_fault == step;
}

QString SimulatedFailure() {
    return QString::fromUtf8("書き込みに失敗しました");
}

} // namespace

QString WriteWholeFile(const QString& fileName, std::string_view bytes) {
    QSaveFile file(fileName);
    if (Fails(TFileWriteStep::Open))
        return SimulatedFailure();
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const auto size = static_cast<qint64>(bytes.size());
    if (Fails(TFileWriteStep::Write) || file.write(bytes.data(), size) != size) {
        const QString reason =
            Fails(TFileWriteStep::Write) ? SimulatedFailure() : file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (Fails(TFileWriteStep::Commit)) {
        file.cancelWriting();
        return SimulatedFailure();
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

void SetFileWriteFault(std::optional<TFileWriteStep> step) {
    g_fault = step;
}

} // namespace kes
