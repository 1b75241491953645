#pragma once

// Publishes TTrayIcon, so a form's layout can create it and set its properties.
void RegisterTrayIconClass();
