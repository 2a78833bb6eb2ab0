// The module's bytes are embedded in this file: compile them from memory at once, rather than
// fetching them back through the browser's network stack as a data: address, which waits
// behind the page's own loading.
Module['instantiateWasm'] = function (imports, receiveInstance) {
    WebAssembly.instantiate(tryParseAsDataURI(wasmBinaryFile), imports).then(
        function (output) { receiveInstance(output['instance'], output['module']); },
        function (error) { readyPromiseReject(error); });
    return {};
};
