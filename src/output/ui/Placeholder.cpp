// Keeps the widget library non-empty until its first dialog lands.
