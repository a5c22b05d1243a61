#include "ST/platform/GLDevice.h"

#include "ST/core/Diag.h"

#include <SDL.h>
#include <epoxy/gl.h>

#include <algorithm>
#include <string>

namespace ZEL {

namespace {

const char* kVertex = R"(#version 330 core
layout(location = 0) in vec3 aPos;
layout(location = 1) in vec4 aColor;
layout(location = 2) in vec2 aUV;
uniform vec2 uSize;
uniform float uPointSize;
out vec4 vColor;
out vec2 vUV;
void main() {
    gl_Position = vec4(aPos.x / uSize.x * 2.0 - 1.0, 1.0 - aPos.y / uSize.y * 2.0, 0.0, 1.0);
    gl_PointSize = uPointSize;
    vColor = aColor;
    vUV = aUV;
}
)";

const char* kFragment = R"(#version 330 core
in vec4 vColor;
in vec2 vUV;
uniform sampler2D uTex;
uniform int uMode;
uniform int uTextured;
uniform int uPoints;
uniform int uFlip;
out vec4 outColor;
void main() {
    vec2 uv = uPoints == 1 ? gl_PointCoord : vUV;
    if (uFlip == 1) uv.y = 1.0 - uv.y;
    vec4 t = uTextured == 1 ? texture(uTex, uv) : vec4(1.0);
    if (uMode == 1) outColor = vec4(min(t.rgb + vColor.rgb, vec3(1.0)), t.a * vColor.a);
    else outColor = t * vColor;
}
)";

unsigned Compile(GLenum type, const char* src) {
    const GLuint s = glCreateShader(type);
    glShaderSource(s, 1, &src, nullptr);
    glCompileShader(s);
    GLint okv = 0;
    glGetShaderiv(s, GL_COMPILE_STATUS, &okv);
    if (!okv) {
        char log[1024];
        glGetShaderInfoLog(s, sizeof log, nullptr, log);
        Diag(std::string("shader: ") + log);
    }
    return s;
}

} // namespace

GLDevice::GLDevice(SDL_Window* w) : window(w) {
    const GLuint vs = Compile(GL_VERTEX_SHADER, kVertex), fs = Compile(GL_FRAGMENT_SHADER, kFragment);
    program = glCreateProgram();
    glAttachShader(program, vs);
    glAttachShader(program, fs);
    glLinkProgram(program);
    glDeleteShader(vs);
    glDeleteShader(fs);
    GLint linked = 0;
    glGetProgramiv(program, GL_LINK_STATUS, &linked);
    if (!linked) {
        Diag("shader program does not link");
        return;
    }
    uSize = glGetUniformLocation(program, "uSize");
    uMode = glGetUniformLocation(program, "uMode");
    uTextured = glGetUniformLocation(program, "uTextured");
    uPoints = glGetUniformLocation(program, "uPoints");
    uFlip = glGetUniformLocation(program, "uFlip");
    uPointSize = glGetUniformLocation(program, "uPointSize");

    glGenVertexArrays(1, &vao);
    glBindVertexArray(vao);
    glGenBuffers(1, &vbo);
    glBindBuffer(GL_ARRAY_BUFFER, vbo);
    const GLsizei stride = sizeof(DeviceVertex);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(DeviceVertex, x)));
    glEnableVertexAttribArray(1);
    // The colour word's bytes are B, G, R, A: exactly what GL_BGRA reads.
    glVertexAttribPointer(1, GL_BGRA, GL_UNSIGNED_BYTE, GL_TRUE, stride,
                          reinterpret_cast<void*>(offsetof(DeviceVertex, color)));
    glEnableVertexAttribArray(2);
    glVertexAttribPointer(2, 2, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(DeviceVertex, u)));

    if (epoxy_has_gl_extension("GL_EXT_texture_filter_anisotropic") ||
        epoxy_has_gl_extension("GL_ARB_texture_filter_anisotropic")) {
        glGetFloatv(GL_MAX_TEXTURE_MAX_ANISOTROPY_EXT, &maxAniso);
    }
    glGenSamplers(1, &samplerSmooth);
    glGenSamplers(1, &samplerSharp);
    for (GLuint s : {samplerSmooth, samplerSharp}) {
        // Repeat: tiled sprites rely on coordinates beyond 0..1 wrapping.
        glSamplerParameteri(s, GL_TEXTURE_WRAP_S, GL_REPEAT);
        glSamplerParameteri(s, GL_TEXTURE_WRAP_T, GL_REPEAT);
    }
    glSamplerParameteri(samplerSmooth, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glSamplerParameteri(samplerSmooth, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    if (maxAniso > 1.0f) glSamplerParameterf(samplerSmooth, GL_TEXTURE_MAX_ANISOTROPY_EXT, maxAniso);
    glSamplerParameteri(samplerSharp, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glSamplerParameteri(samplerSharp, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    Diag("D3DSAMP_MAXANISOTROPY: " + std::to_string(maxAniso));

    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glEnable(GL_PROGRAM_POINT_SIZE);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    ok = true;
}

GLDevice::~GLDevice() {
    if (fbo) glDeleteFramebuffers(1, &fbo);
    if (sceneTex) glDeleteTextures(1, &sceneTex);
    if (vbo) glDeleteBuffers(1, &vbo);
    if (vao) glDeleteVertexArrays(1, &vao);
    if (samplerSmooth) glDeleteSamplers(1, &samplerSmooth);
    if (samplerSharp) glDeleteSamplers(1, &samplerSharp);
    if (program) glDeleteProgram(program);
}

bool GLDevice::Resize(int w, int h) {
    backW = std::max(1, w);
    backH = std::max(1, h);
    if (!fbo) glGenFramebuffers(1, &fbo);
    if (!sceneTex) glGenTextures(1, &sceneTex);
    glBindTexture(GL_TEXTURE_2D, sceneTex);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, backW, backH, 0, GL_BGRA, GL_UNSIGNED_BYTE, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
    glBindFramebuffer(GL_FRAMEBUFFER, fbo);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, sceneTex, 0);
    const bool complete = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    if (!complete) Diag("scene target incomplete");
    return complete;
}

unsigned GLDevice::CreateTexture(int w, int h) {
    GLuint id = 0;
    glGenTextures(1, &id);
    glBindTexture(GL_TEXTURE_2D, id);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, w, h, 0, GL_BGRA, GL_UNSIGNED_BYTE, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
    return id;
}

void GLDevice::UploadTexture(unsigned id, const std::uint32_t* pixels, int w, int h) {
    glBindTexture(GL_TEXTURE_2D, id);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, w, h, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV, pixels);
}

void GLDevice::DeleteTexture(unsigned id) {
    const GLuint t = id;
    if (t && t != sceneTex) glDeleteTextures(1, &t);
}

void GLDevice::BeginTarget(RenderTarget target, std::uint32_t c) {
    current = target;
    glBindFramebuffer(GL_FRAMEBUFFER, target == RenderTarget::Scene ? fbo : 0);
    glViewport(0, 0, backW, backH);
    // The back buffer is covered whole by the scene copy that follows: no need to clear it.
    if (target == RenderTarget::BackBuffer) return;
    glClearColor(((c >> 16) & 0xFF) / 255.0f, ((c >> 8) & 0xFF) / 255.0f, (c & 0xFF) / 255.0f, (c >> 24) / 255.0f);
    glClear(GL_COLOR_BUFFER_BIT);
}

void GLDevice::CopySceneToBackBuffer() {
    // A blit, not a textured quad: exact, and far cheaper on a software rasteriser.
    glBindFramebuffer(GL_READ_FRAMEBUFFER, fbo);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    glBlitFramebuffer(0, 0, backW, backH, 0, 0, backW, backH, GL_COLOR_BUFFER_BIT, GL_NEAREST);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

void GLDevice::Present() {
    if (window) SDL_GL_SwapWindow(window);
}

void GLDevice::Draw(Primitive p, const DeviceVertex* v, int count, const DrawState& s) {
    if (!ok || count <= 0) return;
    glUseProgram(program);
    glBindVertexArray(vao);
    glBindBuffer(GL_ARRAY_BUFFER, vbo);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(count * sizeof(DeviceVertex)), v, GL_STREAM_DRAW);
    glUniform2f(uSize, static_cast<float>(backW), static_cast<float>(backH));
    glUniform1i(uMode, s.blend == 3 ? 1 : 0);
    glUniform1i(uTextured, s.texture ? 1 : 0);
    glUniform1i(uPoints, p == Primitive::Points ? 1 : 0);
    // The scene target is stored bottom row first.
    glUniform1i(uFlip, s.texture && s.texture == sceneTex ? 1 : 0);
    glUniform1f(uPointSize, s.pointSize);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, s.texture);
    glBindSampler(0, s.smooth ? samplerSmooth : samplerSharp);
    if (s.blend == 0) {
        glDisable(GL_BLEND);
    } else {
        glEnable(GL_BLEND);
        const GLenum dst = (s.blend == 2 || s.blend == 3 || s.blend == 5) ? GL_ONE : GL_ONE_MINUS_SRC_ALPHA;
        // Alpha composes "over", so the opaque targets stay opaque.
        glBlendFuncSeparate(GL_SRC_ALPHA, dst, GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    }
    const GLenum mode = p == Primitive::Triangles ? GL_TRIANGLES : p == Primitive::Lines ? GL_LINES : GL_POINTS;
    glDrawArrays(mode, 0, count);
}

bool GLDevice::ReadPixels(RenderTarget target, std::vector<std::uint32_t>& out, int& w, int& h) {
    if (!ok) return false;
    w = backW;
    h = backH;
    std::vector<std::uint32_t> raw(static_cast<std::size_t>(w) * h);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, target == RenderTarget::Scene ? fbo : 0);
    glReadPixels(0, 0, w, h, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV, raw.data());
    glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
    out.resize(raw.size());
    for (int y = 0; y < h; ++y)
        std::copy_n(&raw[static_cast<std::size_t>(h - 1 - y) * w], w, &out[static_cast<std::size_t>(y) * w]);
    return glGetError() == GL_NO_ERROR;
}

} // namespace ZEL
