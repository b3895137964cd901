// The GUI's hooks into the engine: started and shut down with it, drawn and advanced every
// frame, handed input before the game, and the box that shows reported errors.
#pragma once

struct EngineModule;

const EngineModule* GUIModule();
// InitGUI registers it too, so a GUI started on its own still hears the engine's input.
void RegisterGUIModule();
