// Cuts the silence before and after the sound of a WAV file short, as the
// program does with the sentences it synthesizes, for tools/make-voices:
//   talk-trim-silence IN.wav OUT.wav
#include "voice/open_jtalk_synthesizer.h"
#include "voice/wav_sound.h"

#include <QString>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s IN.wav OUT.wav\n", argv[0]);
        return 2;
    }
    const std::optional<WavSound> sound = WavSound::read(QString::fromLocal8Bit(argv[1]));
    if (!sound) {
        std::fprintf(stderr, "%s: %s is no 16-bit PCM WAV file\n", argv[0], argv[1]);
        return 1;
    }
    if (!sound->trimmed(OpenJTalkSynthesizer::kMarginMs).write(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return 1;
    }
    return 0;
}
