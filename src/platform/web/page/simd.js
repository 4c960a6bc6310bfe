// Whether this browser runs WebAssembly SIMD: it validates a module of one function that returns
// v128.const 0. The page's loader (start.js) loads the SIMD program where this holds, and the
// service worker (sw.js) keeps the same program for play without a network.
const kWebAssemblySimd = typeof WebAssembly === 'object' && WebAssembly.validate(new Uint8Array([
  0x00, 0x61, 0x73, 0x6d, 0x01, 0x00, 0x00, 0x00, // header
  0x01, 0x05, 0x01, 0x60, 0x00, 0x01, 0x7b,       // type: () -> v128
  0x03, 0x02, 0x01, 0x00,                         // one function of that type
  0x0a, 0x16, 0x01, 0x14, 0x00, 0xfd, 0x0c,       // its body: v128.const
  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x0b]));
