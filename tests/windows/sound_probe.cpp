// Plays the game's sounds through its own SoundPlayer, on the command of windows_sound_check:
// placed beside the Windows game, it finds the sounds as the game does (AppPath\音\...), opens
// the sound output, says "open" (or "silent" when there is none), then plays each sound that a
// line of its input names and answers "played". It ends at the end of its input.
#include "facts/content_catalogue.h"
#include "platform/audio_output.h"
#include "platform/sound_player.h"
#include "shell/content_paths.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QString appPath = content_paths::appPathOfProgram();
    QStringList sounds;
    for (const QStringView name : content_catalogue::kAllSounds)
        sounds << content_paths::sound(appPath, name);

    audio_output::startOpening();
    QElapsedTimer waited;
    waited.start();
    while (!audio_output::isOpen() && waited.elapsed() < 20000)
        QThread::msleep(10);
    std::printf("%s\n", audio_output::isOpen() ? "open" : "silent");
    std::fflush(stdout);

    SoundPlayer player(sounds);
    for (std::string line; std::getline(std::cin, line);) {
        while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
            line.pop_back();
        player.play(content_paths::sound(appPath, QString::fromStdString(line)));
        std::printf("played %s\n", line.c_str());
        std::fflush(stdout);
    }
    return 0;
}
