// Starts the engine as soon as its script has run, while the page is still being parsed; the
// page's script takes the promise from here. Without WebAssembly there is nothing to start.
var c3f8EngineReady = typeof WebAssembly === 'object' ? createC3f8Engine() : null;
