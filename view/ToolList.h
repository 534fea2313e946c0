// The tools, one line each; everything that walks tools walks this list
// through ToolTable() (view/ToolTable.h): the tool box, the frame's command
// routing and states, the view's keys and cursors, help and zorva-cli's
// replay. A tool's status text (prompt "\n" short name) is its command id's
// entry in the string table, and its help topic the manual's keyword with
// its command's context id.
//
// ZORVA_TOOL(NAME, command id, replay name, key, tool box image, cursor, class)
//   ID_TOOL_<NAME> = command id; the key is the digit that chooses it in the
//   view (0 for none); the image is res/images/tools/<image>.png; the cursor
//   is the one without a modifier; Make<class> (view/<class>.cpp) makes it.
// ZORVA_TOOL_WITHOUT_CLASS(NAME, command id, replay name, image, cursor)
//   a tool with no pointer tool of its own, which cannot be chosen: a button
//   shown disabled, or a tool that is only ever temporary (image "": no button).
ZORVA_TOOL(ARROW, 32801, "arrow", '0', "arrow", Arrow, ArrowTool)
ZORVA_TOOL(RECT, 32802, "rect", '1', "rect", Cross, RectTool)
ZORVA_TOOL(ELLIPSE, 32803, "ellipse", '2', "ellipse", Cross, EllipseTool)
ZORVA_TOOL(POLYGON, 32804, "polygon", '3', "polygon", Cross, PolygonTool)
ZORVA_TOOL(LINE, 32805, "line", '4', "line", Cross, LineTool)
ZORVA_TOOL_WITHOUT_CLASS(BEZIER, 32806, "bezier", "bezier", Cross)
ZORVA_TOOL(FREEHAND, 32807, "freehand", '6', "freehand", Cross, FreehandTool)
ZORVA_TOOL(TRACE, 32810, "trace", '8', "trace", Trace, TraceTool)
ZORVA_TOOL(ZOOM, 32808, "zoom", '7', "zoom", ZoomIn, ZoomTool)
ZORVA_TOOL_WITHOUT_CLASS(HAND, 32809, "hand", "", Hand)
