// Node programs of the WebAssembly build see the environment they were started with, as the
// native programs do (Emscripten otherwise gives them a fixed one of its own).
Module['preRun'] = Module['preRun'] || [];
Module['preRun'].push(function () {
  Object.assign(ENV, process.env);
});
