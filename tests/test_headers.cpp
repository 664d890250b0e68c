// The precompiled headers of the core's tests are built with this file; it holds nothing else.
