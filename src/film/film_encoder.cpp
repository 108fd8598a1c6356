#include "film/film_encoder.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "film/sound_track.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libavutil/channel_layout.h>
#include <libavutil/cpu.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

namespace halvane {

namespace {

std::string errorText(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

struct Codecs {
    const char* muxer;
    const char* video;
    AVPixelFormat pixels;
    const char* audio;  // nothing for a picture without sound
};

Codecs codecsFor(FilmFormat format)
{
    switch (format) {
    case FilmFormat::Mp4:
        return {"mp4", "libx264", AV_PIX_FMT_YUV420P, "aac"};
    case FilmFormat::Matroska:
        return {"matroska", "libx264", AV_PIX_FMT_YUV420P, "aac"};
    case FilmFormat::WebM:
        return {"webm", "libvpx-vp9", AV_PIX_FMT_YUV420P, "libopus"};
    case FilmFormat::WebP:
        break;
    }
    return {"webp", "libwebp_anim", AV_PIX_FMT_RGB32, nullptr};
}

// Settings fast enough for a full-HD film at its own pace on two cores;
// a sky is mostly black, so quality stays good at these speeds.
void setVideoOptions(AVCodecContext* c, FilmFormat format)
{
    switch (format) {
    case FilmFormat::Mp4:
    case FilmFormat::Matroska:
        av_opt_set(c->priv_data, "preset", "veryfast", 0);
        av_opt_set(c->priv_data, "crf", "21", 0);
        // No B-frames: each frame is shown as it is decoded, so every player
        // counts the film's frames alike (an MP4 edit list would hide one).
        c->max_b_frames = 0;
        break;
    case FilmFormat::WebM:
        av_opt_set(c->priv_data, "deadline", "realtime", 0);
        av_opt_set(c->priv_data, "cpu-used", "8", 0);
        av_opt_set(c->priv_data, "row-mt", "1", 0);
        av_opt_set(c->priv_data, "crf", "32", 0);
        c->bit_rate = 0;
        c->thread_count = av_cpu_count();
        break;
    case FilmFormat::WebP:
        // Lossless: a chart is mostly black, and a lossy frame could drop
        // the single dot a pass adds.
        av_opt_set(c->priv_data, "lossless", "1", 0);
        break;
    }
}

constexpr int AudioRate = 48000;
constexpr double FadeSeconds = 1.5;

struct Coder {
    AVCodecContext* context = nullptr;
    AVStream* stream = nullptr;
};

}  // namespace

struct FilmEncoder::Streams {
    std::string shownName;
    AVFormatContext* format = nullptr;
    Coder video, audio;
    SwsContext* scaler = nullptr;
    AVFrame* picture = nullptr;
    AVPacket* packet = nullptr;
    int fps = 25;
    long frames = 0;

    SoundTrack* sound = nullptr;
    SwrContext* resampler = nullptr;
    AVAudioFifo* fifo = nullptr;
    int audioFrameSize = 1024;
    long soundRendered = 0;  // samples of the track at its own rate
    long audioSamplesOut = 0;  // samples sent to the encoder
    std::vector<float> pendingLeft, pendingRight;  // held back for the fade

    ~Streams()
    {
        if (format && format->pb) avio_closep(&format->pb);
        avformat_free_context(format);
        avcodec_free_context(&video.context);
        avcodec_free_context(&audio.context);
        sws_freeContext(scaler);
        av_frame_free(&picture);
        av_packet_free(&packet);
        swr_free(&resampler);
        if (fifo) av_audio_fifo_free(fifo);
    }

    void check(int code, const std::string& what) const
    {
        if (code < 0) throw FilmError(what + ": " + errorText(code));
    }
    void checkWrite(int code) const { check(code, "cannot write " + shownName); }

    Coder openCoder(const char* name, const std::function<void(AVCodecContext*)>& configure)
    {
        const AVCodec* codec = avcodec_find_encoder_by_name(name);
        if (!codec) throw FilmError(std::string("this FFmpeg has no encoder ") + name);
        Coder coder;
        coder.context = avcodec_alloc_context3(codec);
        if (!coder.context) throw FilmError("out of memory");
        configure(coder.context);
        if (format->oformat->flags & AVFMT_GLOBALHEADER) coder.context->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
        check(avcodec_open2(coder.context, codec, nullptr), std::string("cannot start the encoder ") + name);
        coder.stream = avformat_new_stream(format, nullptr);
        if (!coder.stream) throw FilmError("out of memory");
        check(avcodec_parameters_from_context(coder.stream->codecpar, coder.context), "encoder parameters");
        coder.stream->time_base = coder.context->time_base;
        return coder;
    }

    // Sends `frame` (nothing: the end) and writes every packet it gives.
    void encode(Coder& coder, AVFrame* frame)
    {
        check(avcodec_send_frame(coder.context, frame), "encoding");
        for (;;) {
            const int received = avcodec_receive_packet(coder.context, packet);
            if (received == AVERROR(EAGAIN) || received == AVERROR_EOF) return;
            check(received, "encoding");
            // Each picture lasts one frame; so does the last, which the
            // container would otherwise end at its start.
            if (coder.context->codec_type == AVMEDIA_TYPE_VIDEO && packet->duration <= 0) packet->duration = 1;
            av_packet_rescale_ts(packet, coder.context->time_base, coder.stream->time_base);
            packet->stream_index = coder.stream->index;
            checkWrite(av_interleaved_write_frame(format, packet));
        }
    }

    void encodeAudioFrame(int samples)
    {
        AVFrame* frame = av_frame_alloc();
        if (!frame) throw FilmError("out of memory");
        frame->nb_samples = samples;
        frame->format = audio.context->sample_fmt;
        frame->sample_rate = audio.context->sample_rate;
        av_channel_layout_copy(&frame->ch_layout, &audio.context->ch_layout);
        int result = av_frame_get_buffer(frame, 0);
        if (result >= 0) {
            av_samples_set_silence(frame->data, 0, samples, frame->ch_layout.nb_channels, audio.context->sample_fmt);
            av_audio_fifo_read(fifo, reinterpret_cast<void**>(frame->data), samples);
            frame->pts = audioSamplesOut;
            audioSamplesOut += samples;
        }
        try {
            check(result, "sound frame");
            encode(audio, frame);
        } catch (...) {
            av_frame_free(&frame);
            throw;
        }
        av_frame_free(&frame);
    }

    // Resamples `count` track samples (nothing: what the resampler holds)
    // into the queue and encodes every full frame of it.
    void queueSound(const float* left, const float* right, int count)
    {
        const int room = swr_get_out_samples(resampler, count);
        uint8_t** out = nullptr;
        check(av_samples_alloc_array_and_samples(&out, nullptr, 2, std::max(room, 1), audio.context->sample_fmt, 0),
              "sound buffer");
        const uint8_t* in[2] = {reinterpret_cast<const uint8_t*>(left), reinterpret_cast<const uint8_t*>(right)};
        const int converted = swr_convert(resampler, out, room, left ? in : nullptr, count);
        if (converted > 0) av_audio_fifo_write(fifo, reinterpret_cast<void**>(out), converted);
        av_freep(&out[0]);
        av_freep(&out);
        check(converted, "resampling");
        while (av_audio_fifo_size(fifo) >= audioFrameSize) encodeAudioFrame(audioFrameSize);
    }

    // Synthesizes the track up to `seconds` and encodes all of it but the
    // last `keptSeconds`, which may still fade out.
    void soundUpTo(double seconds, double keptSeconds)
    {
        const long target = std::lround(seconds * SoundTrack::SampleRate);
        if (target > soundRendered) {
            std::vector<float> left(static_cast<size_t>(target - soundRendered)), right(left.size());
            sound->render(left, right);
            pendingLeft.insert(pendingLeft.end(), left.begin(), left.end());
            pendingRight.insert(pendingRight.end(), right.begin(), right.end());
            soundRendered = target;
        }
        const long kept = std::lround(keptSeconds * SoundTrack::SampleRate);
        const long released = static_cast<long>(pendingLeft.size()) - kept;
        if (released <= 0) return;
        queueSound(pendingLeft.data(), pendingRight.data(), static_cast<int>(released));
        pendingLeft.erase(pendingLeft.begin(), pendingLeft.begin() + released);
        pendingRight.erase(pendingRight.begin(), pendingRight.begin() + released);
    }

    void endSound()
    {
        soundUpTo(static_cast<double>(frames) / fps, FadeSeconds);
        const size_t fade = pendingLeft.size();
        for (size_t k = 0; k < fade; ++k) {
            const float gain = static_cast<float>(fade - 1 - k) / static_cast<float>(fade);
            pendingLeft[k] *= gain;
            pendingRight[k] *= gain;
        }
        soundUpTo(static_cast<double>(frames) / fps, 0);
        queueSound(nullptr, nullptr, 0);
        const bool anySize =
            audio.context->codec->capabilities & (AV_CODEC_CAP_SMALL_LAST_FRAME | AV_CODEC_CAP_VARIABLE_FRAME_SIZE);
        if (const int rest = av_audio_fifo_size(fifo); rest > 0) encodeAudioFrame(anySize ? rest : audioFrameSize);
        encode(audio, nullptr);
    }
};

FilmEncoder::FilmEncoder(const std::string& path, const std::string& shownName, FilmFormat kind, int width, int height,
                         int fps, SoundTrack* sound)
    : s_(std::make_unique<Streams>())
{
    av_log_set_level(AV_LOG_QUIET);  // failures are reported as FilmError
    Streams& s = *s_;
    s.shownName = shownName;
    s.fps = fps;
    const Codecs codecs = codecsFor(kind);
    const std::string url = "file:" + path;  // a colon in the name is no protocol
    s.check(avformat_alloc_output_context2(&s.format, nullptr, codecs.muxer, url.c_str()), "film format");

    s.video = s.openCoder(codecs.video, [&](AVCodecContext* c) {
        c->width = width;
        c->height = height;
        c->pix_fmt = codecs.pixels;
        c->time_base = {1, fps};
        c->framerate = {fps, 1};
        c->gop_size = fps * 5;
        c->colorspace = AVCOL_SPC_SMPTE170M;
        c->color_primaries = AVCOL_PRI_SMPTE170M;
        c->color_trc = AVCOL_TRC_SMPTE170M;
        c->color_range = AVCOL_RANGE_MPEG;
        setVideoOptions(c, kind);
    });
    if (sound && codecs.audio) {
        s.sound = sound;
        s.audio = s.openCoder(codecs.audio, [&](AVCodecContext* c) {
            c->sample_fmt = c->codec->sample_fmts ? c->codec->sample_fmts[0] : AV_SAMPLE_FMT_FLTP;
            c->sample_rate = AudioRate;
            c->time_base = {1, AudioRate};
            c->bit_rate = 160000;
            const AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
            av_channel_layout_copy(&c->ch_layout, &stereo);
        });
        if (s.audio.context->frame_size > 0) s.audioFrameSize = s.audio.context->frame_size;
        AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
        s.check(swr_alloc_set_opts2(&s.resampler, &s.audio.context->ch_layout, s.audio.context->sample_fmt, AudioRate,
                                    &stereo, AV_SAMPLE_FMT_FLTP, static_cast<int>(SoundTrack::SampleRate), 0, nullptr),
                "resampler");
        s.check(swr_init(s.resampler), "resampler");
        s.fifo = av_audio_fifo_alloc(s.audio.context->sample_fmt, 2, s.audioFrameSize);
        if (!s.fifo) throw FilmError("out of memory");
    }

    s.scaler = sws_getContext(width, height, AV_PIX_FMT_RGB32, width, height, codecs.pixels, SWS_BILINEAR, nullptr,
                              nullptr, nullptr);
    s.picture = av_frame_alloc();
    s.packet = av_packet_alloc();
    if (!s.scaler || !s.picture || !s.packet) throw FilmError("out of memory");
    s.picture->format = codecs.pixels;
    s.picture->width = width;
    s.picture->height = height;
    s.check(av_frame_get_buffer(s.picture, 0), "frame buffer");

    s.checkWrite(avio_open(&s.format->pb, url.c_str(), AVIO_FLAG_WRITE));
    AVDictionary* options = nullptr;
    // The index at the front, so that a browser plays the film while it loads.
    if (kind == FilmFormat::Mp4) av_dict_set(&options, "movflags", "+faststart", 0);
    const int header = avformat_write_header(s.format, &options);
    av_dict_free(&options);
    s.checkWrite(header);
}

FilmEncoder::~FilmEncoder() = default;

void FilmEncoder::addFrames(const QImage& picture, long count)
{
    Streams& s = *s_;
    if (picture.width() != s.picture->width || picture.height() != s.picture->height
        || picture.format() != QImage::Format_RGB32)
        throw FilmError("a frame of another size or kind than the film");
    s.check(av_frame_make_writable(s.picture), "frame buffer");
    const uint8_t* source[1] = {picture.constBits()};
    const int sourceStride[1] = {static_cast<int>(picture.bytesPerLine())};
    sws_scale(s.scaler, source, sourceStride, 0, picture.height(), s.picture->data, s.picture->linesize);
    for (long k = 0; k < count; ++k) {
        s.picture->pts = s.frames++;
        s.encode(s.video, s.picture);
    }
    if (s.sound) s.soundUpTo(static_cast<double>(s.frames) / s.fps, FadeSeconds);
}

void FilmEncoder::finish()
{
    Streams& s = *s_;
    s.encode(s.video, nullptr);
    if (s.sound) s.endSound();
    s.checkWrite(av_write_trailer(s.format));
    s.checkWrite(avio_closep(&s.format->pb));
}

long FilmEncoder::frames() const { return s_->frames; }

}  // namespace halvane
