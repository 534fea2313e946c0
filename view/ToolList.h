// The tool box's pointer tools: one line each, its command id and the name
// of its class's factory (Make<Name>, defined in view/<Name>.cpp). A new
// tool is its file and a line here (and its command's resources).
ZORVA_TOOL(ID_TOOL_ARROW, ArrowTool)
ZORVA_TOOL(ID_TOOL_RECT, RectTool)
ZORVA_TOOL(ID_TOOL_ELLIPSE, EllipseTool)
ZORVA_TOOL(ID_TOOL_POLYGON, PolygonTool)
ZORVA_TOOL(ID_TOOL_LINE, LineTool)
ZORVA_TOOL(ID_TOOL_FREEHAND, FreehandTool)
ZORVA_TOOL(ID_TOOL_ZOOM, ZoomTool)
