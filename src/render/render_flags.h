#pragma once
// The switches one composition runs under. The preview composes with the proxy
// flags as the last import left them; saving and printing compose at full
// resolution with SaveRenderActive set.
namespace sw {

struct RenderFlags {
    // Composing for a save or a print: "[]" placeholders are left out and the
    // fonts the texts use are collected.
    bool SaveRenderActive = false;
    // The print image is being rendered (never rotated, written as print.jpg).
    bool PrintRender = false;
    // The board is composed for white paper: strips and texts on white.
    bool WhitePrint = false;
    // The preview reads "Background_Proxy.jpg" instead of the background itself.
    bool BackgroundProxyInUse = false;
    // Pictures are read through their proxy names and already carry their brightness.
    bool PictureProxiesInUse = false;
};

} // namespace sw
