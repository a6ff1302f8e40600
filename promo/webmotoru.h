#pragma once
// The embedded browser engine refuses to start as root unless its sandbox is
// off; every window with a web view calls this before creating the view.

// Sets QTWEBENGINE_DISABLE_SANDBOX=1 when the process runs as root; for other
// users the sandbox stays on. Idempotent.
void WebMotoruHazirla();
