// Frame cost at the play size of a 1920 x 1080 desktop (1536 x 921) on the offscreen driver:
// one Render() of 50 textured planes and cubes over the mirrored floor, beside an empty frame
// (clear and swap only). Each timed frame ends with glFinish, so the figures are the work done,
// not the commands queued.
#include <GL/gl.h>
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bench/FinishFrame.h"
#include "engine/GLScene.h"
#include "engine/TextureTable.h"
#include "formats/JpegReader.h"
#include "platform/Platform.h"
#include "tests/hooks/Headless.h"

namespace {

constexpr int kWidth = 1536, kHeight = 921;

// A headless window with the scene; torn down when the benchmark ends.
class BenchWindow {
public:
    BenchWindow() {
        platform::headless::Enable();
        ok = platform::Start() && platform::OpenWindow(0, 0, kWidth, kHeight);
        if (!ok) return;
        scene = new GLScene(kWidth, kHeight, 0, 0, 0);
        scene->viewTranslation[2] = -6;
        scene->SetBackgroundColour(1, 1, 1);
        ok = scene->contextReady && platform::MakeContextCurrent();
    }
    ~BenchWindow() {
        if (scene) {
            platform::MakeContextCurrent();
            scene->textures.Reset();
            delete scene;
            scene = nullptr;
        }
        platform::Stop();
    }
    bool ok = false;
    GLScene* scene = nullptr;  // the window's own, made with it
};

// A 256 x 256 picture written as JPEG to a temporary gfx/ folder; returns its path.
std::string WriteJpegPicture(const std::string& name) {
    const std::string folder = "/tmp/lexadrill_bench_" + std::to_string(getpid()) + "/gfx/";
    if (std::system(("mkdir -p '" + folder + "'").c_str()) != 0) return "";
    std::vector<uint8_t> rgb(256 * 256 * 3), jpeg;
    for (size_t i = 0; i < rgb.size(); ++i) rgb[i] = static_cast<uint8_t>((i * 37) ^ (i >> 9));
    EncodeJpeg(rgb.data(), 256, 256, 85, jpeg);
    std::FILE* file = std::fopen((folder + name).c_str(), "wb");
    if (!file) return "";
    std::fwrite(jpeg.data(), 1, jpeg.size(), file);
    std::fclose(file);
    return folder + name;
}

void BM_RenderMirror50Textured(benchmark::State& state) {
    BenchWindow window;
    if (!window.ok) {
        state.SkipWithError("no GL window");
        return;
    }
    GLScene* scene = window.scene;
    scene->textures.LoadJpeg(WriteJpegPicture("mirror.jpg"));
    const int32_t picture = scene->textures.LoadJpeg(WriteJpegPicture("picture.jpg"));
    scene->AddLight(std::make_unique<GLObjectLight>("light", 0, 1, 1, 1, 0, 3, 8));
    for (int i = 0; i < 50; ++i) {
        const double x = -3.6 + (i % 10) * 0.8, y = -1.2 + (i / 10) * 0.7;
        std::unique_ptr<GLObject> object;
        if (i % 2) {
            object = std::make_unique<GLObjectCube>("cube", x, y, -1, 0.4, 0.4, 0.4);
        } else {
            object = std::make_unique<GLObjectPlane>("plane", 1.0f, x, y, -1, 0.6, 0.45, 0);
        }
        object->texture = picture;
        object->textured = true;
        object->StartSpin(1 << 30, 0, 1, 0);
        scene->Add(std::move(object));
    }
    scene->reflectionOff = false;
    for (auto _ : state) {
        scene->Render();
        FinishFrame();
    }
}

void BM_EmptyFrame(benchmark::State& state) {
    BenchWindow window;
    if (!window.ok) {
        state.SkipWithError("no GL window");
        return;
    }
    for (auto _ : state) {
        platform::MakeContextCurrent();
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
        platform::SwapBuffers();
        FinishFrame();
    }
}

}  // namespace

BENCHMARK(BM_RenderMirror50Textured)->Unit(benchmark::kMillisecond)->Iterations(200);
BENCHMARK(BM_EmptyFrame)->Unit(benchmark::kMillisecond)->Iterations(200);
