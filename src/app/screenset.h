#pragma once

class App;

// Teaches the application's registry every screen the program has.
void registerScreens(App& app);
