#pragma once
// GIF89a output over giflib. Each frame gets a palette of its own colours, so a frame of at most
// 256 colours is stored exactly; after the first frame only the rectangle that changed is
// written, drawn over what is already shown.
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include <QImage>
#include <QRect>

class QIODevice;
struct GifFileType;

// Our wording for each giflib encoder error code.
std::string GifErrorText(int code);

class GifWriter {
  public:
    struct Options {
        int width = 0;
        int height = 0;
        int delayCentiseconds = 0;  // how long each frame stays, 0..65535
        bool loopForever = false;   // the NETSCAPE2.0 extension with a loop count of 0
    };

    // `device` must be open for writing and outlive the writer, which never closes it.
    GifWriter(QIODevice* device, const Options& options);
    ~GifWriter();
    GifWriter(const GifWriter&) = delete;
    GifWriter& operator=(const GifWriter&) = delete;

    // `frame` must have the size given in the options. After a failure every call fails, and
    // Error() says why. Throws std::bad_alloc when an image cannot be allocated.
    bool AddFrame(const QImage& frame);
    // Ends the file. Fails when no frame was added.
    bool Finish();

    const std::string& Error() const { return m_error; }
    // Frames (0-based) that had more than 256 colours and were mapped to the nearest colours.
    const std::vector<int>& ApproximatedFrames() const { return m_approximated; }

  private:
    struct Palette {
        std::vector<uint32_t> colours;  // 0xRRGGBB, in index order
        bool exact = true;
    };

    bool Open();
    bool WriteLoopExtension();
    bool WriteFrame(const QImage& image, QRect rect);
    bool Check(int result);
    bool Fail(const std::string& message);
    void Close();
    static int Output(GifFileType* gif, const unsigned char* data, int length);

    QIODevice* m_device;
    Options m_options;
    GifFileType* m_gif = nullptr;
    QImage m_shown;                         // what a viewer shows after the frames written so far
    std::vector<uint32_t> m_globalColours;  // the global colour table, in index order
    std::unordered_map<uint32_t, uint8_t> m_globalIndex;
    int m_frameCount = 0;
    bool m_failed = false;
    bool m_finished = false;
    bool m_writeFailed = false;
    bool m_discardOutput = false;
    std::string m_error;
    std::vector<int> m_approximated;
};
