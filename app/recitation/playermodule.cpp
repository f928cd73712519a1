#include "app/recitation/playermodule.h"

#include "app/main/modules.h"

#include <QCoreApplication>

std::unique_ptr<AudioPlayer> makeRecitationPlayer(QString* trouble)
{
    QString whyNot;
    if (const auto* maker = modules::load<AudioPlayerMaker>(
            modules::placesOf(QStringLiteral("zorvel-player")), &whyNot)) {
        trouble->clear();
        return maker->makePlayer();
    }
    *trouble =
        whyNot.isEmpty()
            ? QCoreApplication::translate("Recitation",
                                          "Recitation cannot be played: the module "
                                          "zorvel-player is missing from this installation.")
            : QCoreApplication::translate("Recitation", "Recitation cannot be played: the module "
                                                        "zorvel-player could not be loaded (%1).")
                  .arg(whyNot);
    return nullptr;
}
