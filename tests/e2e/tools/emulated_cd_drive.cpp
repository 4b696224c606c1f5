// An emulated CD drive for the end-to-end tests: a Linux shared library loaded
// into Wine's processes with LD_PRELOAD. Wine answers a program's CD requests
// with the <linux/cdrom.h> ioctls on the file that the drive letter leads to;
// on that one file (the disc image named below) this library answers them
// itself, and passes every other ioctl on to the C library.
//
// Configured by the environment of the process:
//   VELMORA_CD_IMAGE     the disc image: raw CD-DA sectors of 2,352 bytes, the
//                        tracks one after the other, track 1 at 00:02:00
//   VELMORA_CD_TRACKS    the table of contents, "audio:<sectors>,data:<sectors>,..."
//                        in the image's order; empty: the drive holds no disc
//   VELMORA_CD_POSITION  "reported": while its audio is read, the drive reports
//                        the position last read, as a playing drive does;
//                        anything else: it reports no position at all
//
// Without a sound device Wine asks the drive itself to play (CDROMPLAYMSF and
// its companions); the drive then plays silently in step with the clock.
#include <dlfcn.h>
#include <fcntl.h>
#include <linux/cdrom.h>
#include <pthread.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

constexpr int kMaxTracks = 99;
constexpr long kSectorBytes = 2352;
constexpr int kFramesPerSecond = 75;
constexpr int kLeadInFrames = 150;  // track 1 at 00:02:00
// A read this recent still counts as playing.
constexpr double kReadingSeconds = 1.0;

struct Disc {
    bool configured = false;
    bool present = false;
    bool reports_position = false;
    dev_t device = 0;
    ino_t inode = 0;
    int image = -1;
    int track_count = 0;
    int start[kMaxTracks + 1] = {};  // each track's first sector; start[count] is the lead-out
    bool data[kMaxTracks] = {};
};

// What the drive was last asked to do.
struct Motion {
    bool read_once = false;
    int last_read = 0;  // the last sector read
    double read_at = 0;
    bool playing = false;  // playing by itself (no sound device)
    bool paused = false;
    int play_from = 0;
    int play_to = 0;
    double play_since = 0;
};

Disc disc;
Motion motion;
pthread_mutex_t lock = PTHREAD_MUTEX_INITIALIZER;

using IoctlFunction = int (*)(int, unsigned long, void*);

double Now() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// "audio:300,data:150" into the table of contents; false when unreadable.
bool ReadTracks(const char* text) {
    int sector = 0;
    while (*text != '\0' && disc.track_count < kMaxTracks) {
        const bool is_data = std::strncmp(text, "data:", 5) == 0;
        if (!is_data && std::strncmp(text, "audio:", 6) != 0) {
            return false;
        }
        char* end = nullptr;
        const long length = std::strtol(std::strchr(text, ':') + 1, &end, 10);
        if (length <= 0) {
            return false;
        }
        disc.start[disc.track_count] = sector;
        disc.data[disc.track_count] = is_data;
        ++disc.track_count;
        sector += static_cast<int>(length);
        text = *end == ',' ? end + 1 : end;
    }
    disc.start[disc.track_count] = sector;
    return true;
}

void Configure() {
    disc.configured = true;
    const char* image = std::getenv("VELMORA_CD_IMAGE");
    const char* tracks = std::getenv("VELMORA_CD_TRACKS");
    const char* position = std::getenv("VELMORA_CD_POSITION");
    struct stat status {};
    if (image == nullptr || tracks == nullptr || stat(image, &status) != 0) {
        return;
    }
    disc.device = status.st_dev;
    disc.inode = status.st_ino;
    disc.image = open(image, O_RDONLY | O_CLOEXEC);
    disc.reports_position = position != nullptr && std::strcmp(position, "reported") == 0;
    disc.present = ReadTracks(tracks) && disc.track_count > 0 && disc.image >= 0;
}

bool IsTheDrive(int fd) {
    struct stat status {};
    return disc.image >= 0 && fstat(fd, &status) == 0 && status.st_dev == disc.device &&
           status.st_ino == disc.inode;
}

int TrackOf(int sector) {
    int track = 0;
    while (track + 1 < disc.track_count && disc.start[track + 1] <= sector) {
        ++track;
    }
    return track;
}

void SetMsf(cdrom_addr& address, int frames) {
    address.msf.minute = static_cast<__u8>(frames / (60 * kFramesPerSecond));
    address.msf.second = static_cast<__u8>(frames / kFramesPerSecond % 60);
    address.msf.frame = static_cast<__u8>(frames % kFramesPerSecond);
}

int SectorOfMsf(unsigned minute, unsigned second, unsigned frame) {
    return static_cast<int>((minute * 60 + second) * kFramesPerSecond + frame) - kLeadInFrames;
}

int Fail(int error) {
    errno = error;
    return -1;
}

int ReadTocEntry(cdrom_tocentry& entry) {
    const int track = entry.cdte_track == CDROM_LEADOUT ? disc.track_count : entry.cdte_track - 1;
    if (track < 0 || track > disc.track_count) {
        return Fail(EINVAL);
    }
    entry.cdte_adr = 1;
    entry.cdte_ctrl = track < disc.track_count && disc.data[track] ? CDROM_DATA_TRACK : 0;
    entry.cdte_datamode = 0;
    if (entry.cdte_format == CDROM_LBA) {
        entry.cdte_addr.lba = disc.start[track];
    } else {
        SetMsf(entry.cdte_addr, disc.start[track] + kLeadInFrames);
    }
    return 0;
}

// Where the drive is, and whether it plays: while its audio is read (when it
// reports that), or while it plays by itself.
int ReadSubChannel(cdrom_subchnl& channel) {
    const double now = Now();
    int sector = 0;
    channel.cdsc_audiostatus = CDROM_AUDIO_NO_STATUS;
    if (motion.playing) {
        sector = motion.play_from;
        if (!motion.paused) {
            sector += static_cast<int>((now - motion.play_since) * kFramesPerSecond);
        }
        channel.cdsc_audiostatus = motion.paused ? CDROM_AUDIO_PAUSED : CDROM_AUDIO_PLAY;
        if (sector >= motion.play_to) {
            motion.playing = false;
            sector = motion.play_to;
            channel.cdsc_audiostatus = CDROM_AUDIO_COMPLETED;
        }
    } else if (disc.reports_position && motion.read_once) {
        sector = motion.last_read;
        channel.cdsc_audiostatus =
            now - motion.read_at < kReadingSeconds ? CDROM_AUDIO_PLAY : CDROM_AUDIO_COMPLETED;
    }
    const bool known = channel.cdsc_audiostatus != CDROM_AUDIO_NO_STATUS;
    const int track = TrackOf(sector);
    channel.cdsc_adr = 1;
    channel.cdsc_ctrl = known && disc.data[track] ? CDROM_DATA_TRACK : 0;
    channel.cdsc_trk = known ? static_cast<__u8>(track + 1) : 0;
    channel.cdsc_ind = known ? 1 : 0;
    const bool msf = channel.cdsc_format != CDROM_LBA;
    if (msf) {
        SetMsf(channel.cdsc_absaddr, known ? sector + kLeadInFrames : 0);
        SetMsf(channel.cdsc_reladdr, known ? sector - disc.start[track] : 0);
    } else {
        channel.cdsc_absaddr.lba = known ? sector : 0;
        channel.cdsc_reladdr.lba = known ? sector - disc.start[track] : 0;
    }
    return 0;
}

int ReadAudio(const cdrom_read_audio& request) {
    const int first =
        request.addr_format == CDROM_LBA
            ? request.addr.lba
            : SectorOfMsf(request.addr.msf.minute, request.addr.msf.second, request.addr.msf.frame);
    if (first < 0 || request.nframes <= 0 ||
        first + request.nframes > disc.start[disc.track_count]) {
        return Fail(EINVAL);
    }
    const long bytes = request.nframes * kSectorBytes;
    if (pread(disc.image, request.buf, bytes, first * kSectorBytes) != bytes) {
        return Fail(EIO);
    }
    motion.read_once = true;
    motion.last_read = first + request.nframes - 1;
    motion.read_at = Now();
    return 0;
}

int Play(const cdrom_msf& range) {
    const int from = SectorOfMsf(range.cdmsf_min0, range.cdmsf_sec0, range.cdmsf_frame0);
    const int to = SectorOfMsf(range.cdmsf_min1, range.cdmsf_sec1, range.cdmsf_frame1);
    if (from < 0 || to < from || to > disc.start[disc.track_count]) {
        return Fail(EINVAL);
    }
    motion.playing = true;
    motion.paused = false;
    motion.play_from = from;
    motion.play_to = to;
    motion.play_since = Now();
    return 0;
}

int Pause(bool pause) {
    if (!motion.playing || motion.paused == pause) {
        return 0;
    }
    const double now = Now();
    if (pause) {
        motion.play_from += static_cast<int>((now - motion.play_since) * kFramesPerSecond);
    }
    motion.paused = pause;
    motion.play_since = now;
    return 0;
}

// The drive's answer to one CD request; `handled` false for any other request.
int Answer(unsigned long request, void* argument, bool& handled) {
    handled = true;
    if (request == CDROM_DRIVE_STATUS) {
        return disc.present ? CDS_DISC_OK : CDS_NO_DISC;
    }
    if (!disc.present) {
        switch (request) {
            case CDROMREADTOCHDR:
            case CDROMREADTOCENTRY:
            case CDROMSUBCHNL:
            case CDROMREADAUDIO:
            case CDROMPLAYMSF:
            case CDROMSTART:
            case CDROMSTOP:
            case CDROMPAUSE:
            case CDROMRESUME:
            case CDROMSEEK:
                return Fail(ENOMEDIUM);
            default:
                handled = false;
                return 0;
        }
    }
    switch (request) {
        case CDROMREADTOCHDR: {
            auto* header = static_cast<cdrom_tochdr*>(argument);
            header->cdth_trk0 = 1;
            header->cdth_trk1 = static_cast<__u8>(disc.track_count);
            return 0;
        }
        case CDROMREADTOCENTRY:
            return ReadTocEntry(*static_cast<cdrom_tocentry*>(argument));
        case CDROMSUBCHNL:
            return ReadSubChannel(*static_cast<cdrom_subchnl*>(argument));
        case CDROMREADAUDIO:
            return ReadAudio(*static_cast<cdrom_read_audio*>(argument));
        case CDROMPLAYMSF:
            return Play(*static_cast<cdrom_msf*>(argument));
        case CDROMSTART:
            return 0;
        case CDROMSTOP:
            motion.playing = false;
            return 0;
        case CDROMPAUSE:
            return Pause(true);
        case CDROMRESUME:
            return Pause(false);
        case CDROMSEEK: {
            const auto* place = static_cast<cdrom_msf0*>(argument);
            motion.play_from = SectorOfMsf(place->minute, place->second, place->frame);
            motion.play_since = Now();
            return 0;
        }
        default:
            handled = false;
            return 0;
    }
}

}  // namespace

extern "C" int ioctl(int fd, unsigned long request, ...) noexcept {
    va_list arguments;
    va_start(arguments, request);
    void* argument = va_arg(arguments, void*);
    va_end(arguments);

    pthread_mutex_lock(&lock);
    if (!disc.configured) {
        Configure();
    }
    bool handled = false;
    int result = 0;
    if (IsTheDrive(fd)) {
        result = Answer(request, argument, handled);
    }
    pthread_mutex_unlock(&lock);
    if (handled) {
        return result;
    }
    static const auto kLibraryIoctl = reinterpret_cast<IoctlFunction>(dlsym(RTLD_NEXT, "ioctl"));
    return kLibraryIoctl(fd, request, argument);
}
