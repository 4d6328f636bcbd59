#pragma once

#include <QFile>
#include <QString>
#include <QtEndian>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

// What SDL's disk audio driver has written so far: the raw 16-bit stereo samples at 44.1 kHz
// that the system output asks the device for.
class DiskAudioFile {
public:
    static constexpr int kSamplesPerSecond = 44100 * 2;
    // Quieter than this (-40 dBFS) counts as silence.
    static constexpr int kAudible = 328;

    explicit DiskAudioFile(QString path) : path_(std::move(path)) {}

    const QString& path() const { return path_; }
    qsizetype size() const { return samples().size(); }

    bool soundAfter(qsizetype from) const {
        const std::vector<std::int16_t> all = samples();
        for (auto i = static_cast<std::size_t>(from); i < all.size(); ++i) {
            if (audible(all[i])) return true;
        }
        return false;
    }

    // Whether sound is followed by at least `seconds` of silence somewhere after `from`.
    bool soundEndedAfter(qsizetype from, double seconds) const {
        const std::vector<std::int16_t> all = samples();
        const auto needed = static_cast<std::size_t>(seconds * kSamplesPerSecond);
        bool heard = false;
        std::size_t run = 0;
        for (auto i = static_cast<std::size_t>(from); i < all.size(); ++i) {
            heard = heard || audible(all[i]);
            run = audible(all[i]) ? 0 : run + 1;
            if (heard && run >= needed) return true;
        }
        return false;
    }

    // From the first audible sample to the last.
    double audibleSeconds() const {
        const std::vector<std::int16_t> all = samples();
        std::size_t first = all.size();
        std::size_t last = 0;
        for (std::size_t i = 0; i < all.size(); ++i) {
            if (!audible(all[i])) continue;
            first = std::min(first, i);
            last = i;
        }
        return first < all.size() ? static_cast<double>(last - first) / kSamplesPerSecond : 0.0;
    }

    int peak() const {
        int loudest = 0;
        for (const std::int16_t sample : samples())
            loudest = std::max(loudest, std::abs(int{sample}));
        return loudest;
    }

private:
    static bool audible(std::int16_t sample) { return std::abs(int{sample}) >= kAudible; }

    std::vector<std::int16_t> samples() const {
        QFile file(path_);
        if (!file.open(QIODevice::ReadOnly)) return {};
        const QByteArray bytes = file.readAll();
        std::vector<std::int16_t> result(static_cast<std::size_t>(bytes.size()) / 2);
        qFromLittleEndian<std::int16_t>(bytes.constData(), static_cast<qsizetype>(result.size()),
                                        result.data());
        return result;
    }

    QString path_;
};
